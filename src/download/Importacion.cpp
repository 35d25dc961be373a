#include "download/Importacion.h"

#include "core/MantenimientoSorteos.h"
#include "core/OleDate.h"
#include "core/RecordFile.h"
#include "core/VbText.h"
#include "download/Scanner.h"

#include <QFile>
#include <cmath>
#include <optional>

namespace {

struct DatosInvalidos {};

QString b(QIODevice& f, const QString& key, const QString& terminator) {
    return busca(f, key, terminator, 0);
}

void mueve(QIODevice& f, qint64 n) {
    scan::setPosition(f, scan::position(f) + n);
}

// A date part: one to four digits, blanks around them allowed.
std::optional<int> parteFecha(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 4)
        return std::nullopt;
    for (const QChar c : t)
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
    return t.toInt();
}

// The date built from its numbers; never from text in the machine's locale.
double fechaDe(const QString& anyo, const QString& mes, const QString& dia) {
    const auto y = parteFecha(anyo), m = parteFecha(mes), d = parteFecha(dia);
    if (!y || !m || !d)
        throw DatosInvalidos();
    const double f = oledate::fromYmd(*y, *m, *d);
    if (f == 0)
        throw DatosInvalidos();
    return f;
}

// The leading number of a text as a whole number (0 when none); values outside the 16-bit
// range give -1 so they fail every range check below.
int16_t entero(const QString& text) {
    const double v = std::nearbyint(vbtext::Val(text));
    if (!(v >= -32768 && v <= 32767))
        return -1;
    return static_cast<int16_t>(v);
}

// A downloaded draw is complete: it has a reintegro and a Joker.
bool valido(const RegSorteo& s) {
    return MantenimientoSorteos::sorteoValido(s) && s.bolas[7] >= 0 && s.numJoker > 0;
}

} // namespace

ResultadoImport leeRespuesta(QIODevice& f, qint64 longitud, RegSorteo& sorteo,
                             const std::function<void(int)>& alLeer) {
    ResultadoImport out;
    try {
        // First pass: the dates of the new draws, in reply order.
        const qint64 limite = oledate::days(sorteo.fecha);
        QList<double> fechas;
        scan::setPosition(f, 1);
        for (qint64 p = 0; p < longitud - kMargenFinal; p = scan::position(f)) {
            b(f, QStringLiteral("fecha_sorteo"), QStringLiteral(":\""));
            mueve(f, 1);
            const QString anyo = b(f, QStringLiteral("\""), QStringLiteral("-"));
            mueve(f, -1);
            const QString mes = b(f, QStringLiteral("-"), QStringLiteral("-"));
            mueve(f, -1);
            const QString dia = b(f, QStringLiteral("-"), QStringLiteral(" "));
            const double fecha = fechaDe(anyo, mes, dia);
            if (fecha > double(limite)) {
                if (fechas.size() == kMaxNuevos)
                    throw DatosInvalidos();
                fechas.append(fecha);
            }
        }

        // Second pass: as many draws as there were new dates, paired by their order. The
        // reply lists the newest first, so the draws read before an invalid one are newer
        // than it: stored without it they would leave a gap that no later download fills.
        // An invalid draw therefore leaves nothing new; a later download takes them all.
        scan::setPosition(f, 1);
        for (qsizetype i = 0; i < fechas.size(); ++i) {
            b(f, QStringLiteral("combinacion\""), QStringLiteral(":\""));
            sorteo.bolas[0] = entero(b(f, QStringLiteral("\"\""), QStringLiteral("-")));
            mueve(f, -1);
            for (size_t j = 1; j < 6; ++j)
                sorteo.bolas[j] = entero(b(f, QStringLiteral("- "), QStringLiteral(" ")));
            sorteo.bolas[6] = entero(b(f, QStringLiteral("("), QStringLiteral(")")));
            sorteo.bolas[7] = entero(b(f, QStringLiteral("("), QStringLiteral(")")));
            b(f, QStringLiteral("joker"), QStringLiteral("on"));
            sorteo.numJoker = vbtext::Val(b(f, QStringLiteral(":\"\""), QStringLiteral("\"")));
            sorteo.fecha = fechas.at(i);
            if (!valido(sorteo)) {
                out.sorteos.clear();
                out.incompleto = true;
                break;
            }
            out.sorteos.append(sorteo);
        }
        if (alLeer)
            for (qsizetype i = 1; i <= out.sorteos.size(); ++i)
                alLeer(int(i));
    } catch (const scan::EndOfFile&) {
        out.error = true;
    } catch (const DatosInvalidos&) {
        out.error = true;
    }
    return out;
}

bool anexaSorteos(RecordFile& numeros, const QList<RegSorteo>& sorteos) {
    const qint64 antes = numeros.count();
    bool ok = true;
    qint64 n = antes + 1;
    for (qsizetype i = sorteos.size() - 1; i >= 0 && ok; --i)
        ok = numeros.put(n++, sorteos.at(i));
    ok = ok && numeros.flush();
    // Cut back to the records there were, a partly written one included; the file stays open
    // and keeps the failed write's error number for the message.
    if (!ok)
        numeros.truncate(antes);
    return ok;
}
