#include "stats/InformePena.h"

#include "stats/BaseInforme.h"

namespace informepena {

QString textoFecha(const QDate& d) {
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

int escribeApuestas(const QString& rutaBase, const QStringList& apuestas) {
    BaseInforme db;
    if (!db.abrir(rutaBase))
        return db.error();
    bool ok = db.empieza() && db.ejecuta(QStringLiteral("DELETE FROM \"Peñanums\""));
    for (const QString& a : apuestas) {
        if (!ok)
            break;
        ok = db.ejecuta(QStringLiteral("INSERT INTO \"Peñanums\" (\"Numeros\") VALUES (?)"), {a});
    }
    ok = ok && db.confirma();
    return ok ? 0 : db.error();
}

Guardado guardaResumen(const QString& rutaBase, const Resumen& r) {
    Guardado g;
    BaseInforme db;
    if (!db.abrir(rutaBase)) {
        g.error = db.error();
        return g;
    }
    const bool ok = db.actualizaFilaUnica(
        QStringLiteral(
            "UPDATE \"Peña\" SET \"Diasajugar\" = ?, \"Dinero\" = ?, \"Nombre\" = ?, \"Dia1\" = ?, "
            "\"Dia2\" = ?, \"Aciertos\" = ?, \"Sorteos\" = ?, \"3\" = ?, \"4\" = ?, \"5\" = ?, "
            "\"5C\" = ?, \"6\" = ?"),
        {r.diasajugar, static_cast<double>(r.dinero), r.nombre, textoFecha(r.dia1), textoFecha(r.dia2),
         r.aciertos, r.sorteos, int(r.premios[0]), int(r.premios[1]), int(r.premios[2]), int(r.premios[3]),
         int(r.premios[4])});
    if (!ok) {
        g.error = db.error();
        return g;
    }
    const QList<QVariantList> filas =
        db.consulta(QStringLiteral("SELECT \"Diasajugar\", \"Dinero\" FROM \"Peña\""));
    if (filas.isEmpty()) {
        g.error = db.error() ? db.error() : BaseInforme::kSinFila;
        return g;
    }
    g.diasajugar = filas.first().value(0).toString();
    g.dinero = filas.first().value(1).toFloat();
    return g;
}

} // namespace informepena
