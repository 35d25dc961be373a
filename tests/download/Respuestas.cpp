#include "Respuestas.h"

#include "download/Importacion.h"
#include "download/WwwFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace respuestas {

namespace {

const char* const kDias[] = {"", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"};

QString dos(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString q(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// Two-digit numbers joined by " - ", as a combination is written.
QString numeros(const std::array<int, 6>& a) {
    QStringList n;
    for (int x : a)
        n << dos(x);
    return n.join(QStringLiteral(" - "));
}

QString par(const char* clave, const QString& valor) {
    return q(QLatin1String(clave)) + QLatin1Char(':') + valor;
}

} // namespace

QList<Sorteo> historia() {
    QFile f(QStringLiteral(VELMORAT_TEST_DATA "/primitiva-2016-2017.json"));
    f.open(QIODevice::ReadOnly);
    QList<Sorteo> out;
    for (const QJsonValue v : QJsonDocument::fromJson(f.readAll()).array()) {
        const QJsonObject o = v.toObject();
        Sorteo s;
        s.fecha = QDate::fromString(o.value(QStringLiteral("fecha")).toString(), QStringLiteral("d/MM/yyyy"));
        const QJsonArray n = o.value(QStringLiteral("numeros")).toArray();
        for (int i = 0; i < 6; ++i)
            s.numeros[size_t(i)] = n.at(i).toInt();
        s.complementario = o.value(QStringLiteral("complementario")).toInt();
        s.reintegro = o.value(QStringLiteral("reintegro")).toInt();
        s.joker = QStringLiteral("%1").arg(o.value(QStringLiteral("joker")).toInt(), 7, 10, QLatin1Char('0'));
        out.append(s);
    }
    return out;
}

QList<Sorteo> entre(const QDate& desde, const QDate& hasta) {
    QList<Sorteo> out;
    for (const Sorteo& s : historia())
        if (s.fecha >= desde && s.fecha <= hasta)
            out.prepend(s);
    return out;
}

std::array<QString, 6> premios(const Sorteo& s) {
    const int semilla = s.fecha.dayOfYear() * 37 + s.numeros[0];
    return {QStringLiteral("%1,%2").arg(4000000 + semilla * 1301).arg(dos((semilla * 5) % 100)),
            QStringLiteral("%1,%2").arg(1000000 + semilla * 911).arg(dos(semilla % 100)),
            QStringLiteral("%1,%2").arg(50000 + semilla * 13).arg(dos((semilla * 7) % 100)),
            QStringLiteral("%1,%2").arg(1500 + semilla % 900).arg(dos((semilla * 3) % 100)),
            QStringLiteral("%1,%2").arg(30 + semilla % 40).arg(dos((semilla * 11) % 100)),
            QStringLiteral("8,00")};
}

QString urlInforme(const Sorteo& s) {
    return QStringLiteral("/documents/10184/LAPR/ActaEscrutinio_%1.pdf")
        .arg(s.fecha.toString(QStringLiteral("yyyyMMdd")));
}

QString objeto(const Sorteo& s, const Opciones& o) {
    const QString id = QStringLiteral("1%1").arg(s.fecha.toString(QStringLiteral("yyyyMMdd")));
    QString comb = s.combinacion;
    if (comb.isEmpty())
        comb =
            numeros(s.numeros) + QStringLiteral(" C(%1) R(%2)").arg(dos(s.complementario)).arg(s.reintegro);
    const QString fecha = s.fechaTexto.isEmpty()
                              ? s.fecha.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 21:40:00")
                              : s.fechaTexto;
    QStringList campos;
    campos << par("fecha_sorteo", q(fecha))
           << par("dia_semana", q(QString::fromUtf8(kDias[s.fecha.dayOfWeek()]))) << par("id_sorteo", q(id))
           << par("game_id", q(QStringLiteral("LAPR"))) << par("anyo", q(QString::number(s.fecha.year())));
    if (o.recientes)
        campos << par("numero", QString::number(s.fecha.dayOfYear()));
    campos << par("premio_bote", q(QStringLiteral("0,00")))
           << par("cdc", QString::number(1700 + s.fecha.dayOfYear()))
           << par("apuestas", q(QStringLiteral("4.512.336")))
           << par("recaudacion", q(QStringLiteral("4.512.336,00"))) << par("combinacion", q(comb));
    if (o.recientes) {
        std::array<int, 6> acta = s.numeros;
        std::rotate(acta.begin(), acta.begin() + 2, acta.end());
        campos << par("combinacion_acta", q(numeros(acta)));
    }
    campos << par("premios", q(QStringLiteral("3.294.890,64")))
           << par("fondo_bote", q(QStringLiteral("0,00")));
    campos << par("joker", QStringLiteral("{") + par("gameid", q(QStringLiteral("LAPJ"))) + QLatin1Char(',') +
                               par("relsorteoid_asociado", q(id)) + QLatin1Char(',') +
                               par("combinacion", q(s.joker)) + QLatin1Char(',') +
                               par("bote_joker", q(QStringLiteral("0,00"))) + QLatin1Char(',') +
                               par("activo", q(QStringLiteral("1"))) + QLatin1Char('}'));
    if (o.escrutinio) {
        // The operator lists the special category first and the reintegro last.
        static const char* const kTipos[] = {"Especial (6 Aciertos + R)", "1ª (6 Aciertos)",
                                             "2ª (5 Aciertos + C)",       "3ª (5 Aciertos)",
                                             "4ª (4 Aciertos)",           "5ª (3 Aciertos)"};
        const std::array<QString, 6> p = premios(s);
        QStringList filas;
        const auto fila = [](const char* tipo, int categoria, const QString& premio, int ganadores) {
            return QStringLiteral("{") + par("tipo", q(QString::fromUtf8(tipo))) + QLatin1Char(',') +
                   par("categoria", QString::number(categoria)) + QLatin1Char(',') +
                   par("premio", q(premio)) + QLatin1Char(',') +
                   par("ganadores", q(QString::number(ganadores))) + QLatin1Char('}');
        };
        for (int k = 0; k < 6; ++k)
            filas << fila(kTipos[k], k, p[size_t(k)], k * 97);
        filas << fila("Reintegro", 6, QStringLiteral("1,00"), 700000);
        campos << par("escrutinio", QLatin1Char('[') + filas.join(QLatin1Char(',')) + QLatin1Char(']'));
        QStringList joker;
        const char* const kJoker[] = {"1ª (7 cifras)", "2ª (6 cifras)", "3ª (5 cifras)", "4ª (4 cifras)",
                                      "5ª (3 cifras)", "6ª (2 cifras)", "7ª (1 cifra)"};
        for (int k = 0; k < 7; ++k)
            joker << QStringLiteral("{") + par("tipo", q(QString::fromUtf8(kJoker[k]))) + QLatin1Char(',') +
                         par("premio", q(QStringLiteral("%1,00").arg(1000000 / ((k + 1) * (k + 1))))) +
                         QLatin1Char(',') + par("ganadores", q(QString::number(k * 31))) + QLatin1Char('}');
        campos << par("escrutinio_joker", QLatin1Char('[') + joker.join(QLatin1Char(',')) + QLatin1Char(']'));
    }
    if (o.recientes)
        campos << par("contenidosRelacionados",
                      QStringLiteral("{") +
                          par("documentos", QStringLiteral("[{") +
                                                par("titulo", q(QStringLiteral("Acta del sorteo"))) +
                                                QLatin1Char(',') + par("urlContenido", q(urlInforme(s))) +
                                                QStringLiteral("}]")) +
                          QLatin1Char('}'));
    return QLatin1Char('{') + campos.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString respuesta(const QList<Sorteo>& recientesPrimero, const Opciones& o) {
    QStringList objetos;
    for (const Sorteo& s : recientesPrimero)
        objetos << objeto(s, o);
    return QLatin1Char('[') + objetos.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString rellenaTrasFecha(const QString& respuesta, int n) {
    // Positions in the download file, where every double quote stands doubled.
    const QByteArray bytes = formaWww(respuesta);
    auto fecha = [&](int i) {
        qsizetype at = -1;
        for (int k = 0; k <= i; ++k)
            at = bytes.indexOf("fecha_sorteo", at + 1);
        return at;
    };
    // The pass goes on while its position, a little behind a date, is below the reply's
    // length less the margin: put that limit between the dates of draws n - 1 and n.
    const qsizetype anterior = n > 0 ? fecha(n - 1) : 0;
    const qsizetype relleno = (anterior + fecha(n)) / 2 + 40 + kMargenFinal - respuesta.size();
    return respuesta + QString(std::max<qsizetype>(relleno, 0), QLatin1Char(' '));
}

} // namespace respuestas
