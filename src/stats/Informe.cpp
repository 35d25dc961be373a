#include "stats/Informe.h"

#include "core/CheckedRead.h"
#include "stats/BaseInforme.h"

#include <QDate>
#include <QLocale>
#include <cmath>
#include <ctemplate/template.h>
#include <ctemplate/template_cache.h>
#include <ctemplate/template_dictionary.h>
#include <string>

namespace informe {

namespace {

// A report definition is a page of text; nothing near this size is one.
constexpr qint64 kTamanoMaximoDefinicion = 4LL * 1024 * 1024;

struct Tabla {
    const char* nombre;   // as in the database
    const char* marcador; // as in the template
    bool repetida;        // one section per row
};

constexpr Tabla kTablas[] = {
    {"Sorteos", "Sorteos", false},  {"Peña", "Pena", false},      {"Informe", "Informe", false},
    {"Peñanums", "Penanums", true}, {"Numeros", "Numeros", true},
};

bool esOcupada(int error) {
    // SQLITE_BUSY and SQLITE_LOCKED, negated by BaseInforme.
    return error == -5 || error == -6;
}

std::string texto(const QVariant& v) {
    static const QLocale es(QLocale::Spanish, QLocale::Spain);
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::LongLong:
        return std::to_string(v.toLongLong());
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return std::to_string(static_cast<long long>(d));
        return es.toString(d, 'f', 2).toStdString();
    }
    default:
        break;
    }
    const QString s = v.toString();
    // Dates are kept as ISO text.
    if (s.size() == 10 && s.at(4) == u'-' && s.at(7) == u'-') {
        const QDate fecha = QDate::fromString(s, Qt::ISODate);
        if (fecha.isValid())
            return fecha.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    }
    return s.toStdString();
}

std::string marcadorColumna(const QString& columna) {
    QString m = columna;
    m.replace(QStringLiteral("ñ"), QStringLiteral("n")).replace(QStringLiteral("Ñ"), QStringLiteral("N"));
    return m.toStdString();
}

// Reads every table into the dictionary; 0 or the error.
int llena(BaseInforme& db, ctemplate::TemplateDictionary& dict) {
    for (const Tabla& t : kTablas) {
        const QString nombre = QString::fromUtf8(t.nombre);
        QStringList columnas;
        for (const QVariantList& c : db.consulta(QStringLiteral("PRAGMA table_info(\"%1\")").arg(nombre)))
            columnas.append(c.value(1).toString());
        if (columnas.isEmpty())
            return db.error() ? db.error() : kBaseNoSeLee;
        const QList<QVariantList> filas = db.consulta(QStringLiteral("SELECT * FROM \"%1\"").arg(nombre));
        if (db.error())
            return db.error();
        for (const QVariantList& fila : filas) {
            ctemplate::TemplateDictionary* destino =
                t.repetida ? dict.AddSectionDictionary(t.marcador) : &dict;
            for (int c = 0; c < columnas.size(); ++c) {
                const std::string m = t.repetida
                                          ? marcadorColumna(columnas.at(c))
                                          : std::string(t.marcador) + '_' + marcadorColumna(columnas.at(c));
                destino->SetValue(m, texto(fila.value(c)));
            }
            if (!t.repetida)
                break; // one row
        }
    }
    return 0;
}

} // namespace

QString definicion(int indice) {
    switch (indice) {
    case 0:
        return QStringLiteral("Velmorat.net");
    case 1:
        return QStringLiteral("Velmorat1.net");
    default:
        return {};
    }
}

Resultado genera(const QString& rutaDefinicion, const QString& rutaBase, const QString& clave) {
    Resultado r;
    const checkedread::Result leida = checkedread::read(rutaDefinicion, kTamanoMaximoDefinicion);
    if (!leida.ok()) {
        r.error = kDefinicionNoSeLee;
        return r;
    }
    const QByteArray& plantilla = leida.data;
    if (plantilla.trimmed().isEmpty()) {
        r.error = kDefinicionVacia;
        return r;
    }
    // A cache of this run alone: a changed definition is read afresh, and nothing is
    // ever loaded from disk by the template itself.
    ctemplate::TemplateCache cache;
    const ctemplate::TemplateString clavePlantilla("informe");
    if (!cache.StringToTemplateCache(clavePlantilla, plantilla.constData(),
                                     static_cast<size_t>(plantilla.size()), ctemplate::DO_NOT_STRIP)) {
        r.error = kPlantillaErronea;
        return r;
    }
    cache.Freeze();

    BaseInforme db;
    if (!db.abrir(rutaBase, clave)) {
        r.error = esOcupada(db.error()) ? kOcupada : kBaseNoAbre;
        return r;
    }
    db.ejecuta(QStringLiteral("PRAGMA query_only = ON"));
    ctemplate::TemplateDictionary dict("informe");
    if (const int e = llena(db, dict)) {
        r.error = esOcupada(e) ? kOcupada : kBaseNoSeLee;
        return r;
    }
    db.cerrar();

    std::string salida;
    if (!cache.ExpandNoLoad(clavePlantilla, ctemplate::DO_NOT_STRIP, &dict, nullptr, &salida)) {
        r.error = kExpansion;
        return r;
    }
    r.html = QString::fromStdString(salida);
    return r;
}

Resultado otraVezSiOcupada(const std::function<Resultado()>& una) {
    Resultado r = una();
    if (r.error == kOcupada)
        r = una();
    return r;
}

Resultado ejecuta(const QString& rutaDefinicion, const QString& rutaBase, const QString& clave) {
    return otraVezSiOcupada([&] { return genera(rutaDefinicion, rutaBase, clave); });
}

QString mensajeError(int error) {
    return QStringLiteral("Error %1. No es posible mostrar el informe. Si el error persiste, reinstalar el "
                          "programa puede ser la solución.")
        .arg(error);
}

} // namespace informe
