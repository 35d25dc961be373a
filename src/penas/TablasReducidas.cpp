#include "penas/TablasReducidas.h"

#include "core/CheckedRead.h"
#include "core/VbText.h"

#include <algorithm>
#include <cmath>

namespace tablas {

namespace {

// The tables file that comes with the program is a few kilobytes; no tables file is this big.
constexpr qint64 kTamanoMaximo = 16LL * 1024 * 1024;

// Lines ended by CR LF (a lone CR or LF also ends a line); no empty line after the last.
QStringList lineas(const QByteArray& contenido) {
    QStringList out;
    QByteArray actual;
    bool hayLinea = false;
    for (qsizetype i = 0; i < contenido.size(); ++i) {
        const char c = contenido.at(i);
        if (c == '\r' || c == '\n') {
            out.append(QString::fromLatin1(actual));
            actual.clear();
            hayLinea = false;
            if (c == '\r' && i + 1 < contenido.size() && contenido.at(i + 1) == '\n')
                ++i;
        } else {
            actual.append(c);
            hayLinea = true;
        }
    }
    if (hayLinea)
        out.append(QString::fromLatin1(actual));
    return out;
}

// The tables file is read whole, and only as a regular file of a sane size.
QByteArray contenidoDe(const QString& ruta, bool* ok) {
    checkedread::Result r = checkedread::read(ruta, kTamanoMaximo);
    *ok = r.ok();
    return std::move(r.data);
}

// Walks the file table by table; `porTabla` receives each header and the index of its
// first bet line, and returns false to stop.
template <typename F> void recorre(const QStringList& ls, F porTabla) {
    qsizetype i = 0;
    while (i < ls.size()) {
        Cabecera c;
        c.n = valorEntero(ls.value(i++));
        c.g = valorEntero(ls.value(i++));
        c.b = valorEntero(ls.value(i++));
        if (!porTabla(c, i))
            return;
        if (c.b > 0)
            i += qMin<qsizetype>(c.b, ls.size()); // never beyond the end
    }
}

} // namespace

int valorEntero(const QString& texto) {
    const double v = vbtext::Val(texto);
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(std::trunc(qBound(-1e9, v, 1e9)));
}

QList<Cabecera> cabecerasDe(const QByteArray& contenido) {
    QList<Cabecera> out;
    recorre(lineas(contenido), [&](const Cabecera& c, qsizetype) {
        out.append(c);
        return true;
    });
    return out;
}

QList<Cabecera> cabeceras(const QString& ruta) {
    bool ok = false;
    const QByteArray c = contenidoDe(ruta, &ok);
    return ok ? cabecerasDe(c) : QList<Cabecera>();
}

Lectura leeDe(const QByteArray& contenido, int numero) {
    Lectura r;
    r.fallo = Fallo::NoExiste;
    const QStringList ls = lineas(contenido);
    int t = 0;
    recorre(ls, [&](const Cabecera& c, qsizetype primera) {
        if (t++ < numero)
            return true;
        r.tabla.cabecera = c;
        if (c.n < kMinNumeros || c.n > kMaxNumeros) {
            r.fallo = Fallo::NumerosFueraDeRango;
        } else if (c.b < 1 || c.b > kMaxApuestas) {
            r.fallo = Fallo::ApuestasFueraDeRango;
        } else if (primera + c.b > ls.size()) {
            r.fallo = Fallo::Incompleta;
        } else {
            r.fallo = Fallo::Ninguno;
            for (qsizetype j = 0; j < c.b && r.fallo == Fallo::Ninguno; ++j) {
                const QString linea = ls.at(primera + j);
                std::array<int, 6> apuesta{};
                for (int s = 0; s < 6; ++s) {
                    const int x = valorEntero(linea.mid(2 * s, 2));
                    const bool repetida =
                        std::find(apuesta.begin(), apuesta.begin() + s, x) != apuesta.begin() + s;
                    if (x < 1 || x > c.n || repetida) {
                        r.fallo = Fallo::PosicionNoValida;
                        break;
                    }
                    apuesta[static_cast<size_t>(s)] = x;
                }
                r.tabla.apuestas.append(apuesta);
            }
        }
        return false;
    });
    if (numero < 0)
        r.fallo = Fallo::NoExiste;
    if (r.fallo != Fallo::Ninguno)
        r.tabla.apuestas.clear();
    return r;
}

Lectura lee(const QString& ruta, int numero) {
    bool ok = false;
    const QByteArray c = contenidoDe(ruta, &ok);
    if (!ok) {
        Lectura r;
        r.fallo = Fallo::NoSeLee;
        return r;
    }
    return leeDe(c, numero);
}

QString textoCombo(const Cabecera& c) {
    return QStringLiteral("%1 números al %2, %3 apuestas.").arg(c.n).arg(c.g).arg(c.b);
}

} // namespace tablas
