#include "stats/InformeSeleccion.h"

#include "stats/BaseInforme.h"
#include "stats/InformePena.h"

namespace informeseleccion {

int escribeFrase(const QString& rutaBase, const QString& frase) {
    BaseInforme db;
    if (!db.abrir(rutaBase))
        return db.error();
    return db.actualizaFilaUnica(QStringLiteral("UPDATE \"Informe\" SET \"Frase\" = ?"), {frase})
               ? 0
               : db.error();
}

Guardado guardaSorteos(const QString& rutaBase, const QDate& dia1, const QDate& dia2, int total,
                       const QString& diasajugar) {
    Guardado g;
    BaseInforme db;
    if (!db.abrir(rutaBase)) {
        g.error = db.error();
        return g;
    }
    QString sql = QStringLiteral("UPDATE \"Sorteos\" SET \"Dia1\" = ?, \"Dia2\" = ?, \"Total\" = ?");
    QVariantList valores = {informepena::textoFecha(dia1), informepena::textoFecha(dia2), total};
    if (!diasajugar.isEmpty()) {
        sql += QStringLiteral(", \"Diasajugar\" = ?");
        valores.append(diasajugar);
    }
    if (!db.actualizaFilaUnica(sql, valores)) {
        g.error = db.error();
        return g;
    }
    const QList<QVariantList> filas =
        db.consulta(QStringLiteral("SELECT \"Dia1\", \"Dia2\" FROM \"Sorteos\""));
    if (filas.isEmpty()) {
        g.error = db.error() ? db.error() : BaseInforme::kSinFila;
        return g;
    }
    g.dia1 = QDate::fromString(filas.first().value(0).toString(), Qt::ISODate);
    g.dia2 = QDate::fromString(filas.first().value(1).toString(), Qt::ISODate);
    return g;
}

} // namespace informeseleccion
