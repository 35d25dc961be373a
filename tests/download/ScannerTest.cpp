#include "download/Scanner.h"
#include "core/Cp1252.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <numeric>

namespace {

struct Archivo {
    QByteArray bytes;
    QBuffer buf;
    explicit Archivo(const QByteArray& b, qint64 pos = 1) : bytes(b) {
        buf.setData(bytes);
        buf.open(QIODevice::ReadOnly);
        scan::setPosition(buf, pos);
    }
    qint64 pos() const { return scan::position(buf); }
};

// The scan as a plain loop, one window read per step.
struct Referencia {
    QByteArray texto;
    bool encontrado = false, finDeArchivo = false;
    qint64 pos = 0;
    auto campos() const { return std::tuple{finDeArchivo, encontrado, texto, pos}; }
};

Referencia referencia(const QByteArray& bytes, qint64 pos, const QByteArray& key, const QByteArray& term,
                      scan::Variant v, bool sinBlancos) {
    const qint64 L = bytes.size(), k = key.size(), f = term.size();
    Referencia r;
    // A window that would pass the end of the file stops the scan where it stands, with nothing read.
    const auto fuera = [&](qint64 n) {
        if (pos + n - 1 > L)
            r = {{}, false, true, pos};
        return r.finDeArchivo;
    };
    for (;; ++pos) {
        if (fuera(k))
            return r;
        if (pos + k > L) {
            r.pos = pos + 1;
            return r;
        }
        if (bytes.mid(pos - 1, k).toUpper() == key.toUpper())
            break;
    }
    r.encontrado = true;
    for (pos += k;; ++pos) {
        if (fuera(f))
            return r;
        const QByteArray w = bytes.mid(pos - 1, f);
        const bool atEnd = v == scan::Variant::EmptyAtLastByte ? pos + f > L : pos + 1 == L;
        if (w == term || w == term.toUpper() || atEnd) {
            r.pos = pos + 1;
            if (v == scan::Variant::EmptyAtLastByte && atEnd)
                r.texto.clear();
            return r;
        }
        r.texto.append(v == scan::Variant::SlashForBlank && w == " " ? '/' : w.at(0));
        if (sinBlancos)
            r.texto = r.texto.trimmed();
    }
}

} // namespace

// Each entry point with its variant; the scan's own rules are checked against the plain
// scan below.
TEST(Busca, EntryPointsAndTheirVariants) {
    enum Via { Busca0, Busca1, Busca2, Busca3 };
    const struct {
        Via via;
        const char *bytes, *key, *term, *texto;
        qint64 pos; // 0: not checked
    } casos[] = {{Busca0, "xx ESCRUtinio\" and more\r\n", "escru", "\"", "tinio", 15},
                 {Busca0, "joker: aOnbONc on tail....", "joker", "on", ": aOnb", 0},
                 {Busca0, "k= 12 / 3 ;.....", "k=", ";", " 12 / 3 ", 0},
                 {Busca1, "k= 12 / 3 ;.....", "k=", ";", "12/3", 0},
                 {Busca0, "0123456789 fin", "fin", "x", "", 14 - 3 + 2},
                 {Busca3, "<html>web: my host> rest of the page", "web:", ">", "/my/host", 0},
                 {Busca2, "key:abcdef", "key:", "##", "", 0},
                 {Busca2, "key:ab##cdef", "key:", "##", "ab", 0},
                 {Busca0, "k:A\xF1o;..", "k:", ";", "A\xF1o", 0}};
    for (const auto& c : casos) {
        Archivo a(c.bytes);
        const QString k = QString::fromLatin1(c.key), t = QString::fromLatin1(c.term);
        const QString r = c.via == Busca2   ? busca2(a.buf, k, t)
                          : c.via == Busca3 ? busca3(a.buf, k, t)
                                            : busca(a.buf, k, t, c.via == Busca1 ? 1 : 0);
        EXPECT_EQ(r, QString::fromLatin1(c.texto)) << c.bytes;
        EXPECT_EQ(a.pos(), c.pos ? c.pos : a.pos()) << c.bytes;
    }
}

TEST(Busca, ChainedSearchesLongFilesAndRaros) {
    Archivo a("\"\"fecha_sorteo\"\":\"\"2017-08-17 21:43:00\"\"");
    busca(a.buf, QStringLiteral("fecha_sorteo"), QStringLiteral(":\""), 0);
    scan::setPosition(a.buf, a.pos() + 1);
    EXPECT_EQ(busca(a.buf, QStringLiteral("\""), QStringLiteral("-"), 0), QStringLiteral("2017"));
    scan::setPosition(a.buf, a.pos() - 1);
    EXPECT_EQ(busca(a.buf, QStringLiteral("-"), QStringLiteral("-"), 0), QStringLiteral("08"));
    scan::setPosition(a.buf, a.pos() - 1);
    EXPECT_EQ(busca(a.buf, QStringLiteral("-"), QStringLiteral(" "), 0), QStringLiteral("17"));
    scan::setPosition(a.buf, 0); // a position before the start is the start
    EXPECT_EQ(a.pos(), 1);
    // Long files are read ahead without losing positions.
    QByteArray big(300000, 'x');
    big.replace(250000, 9, "KEY=value");
    big.replace(250009, 1, ";");
    Archivo b(big);
    EXPECT_EQ(busca(b.buf, QStringLiteral("key="), QStringLiteral(";"), 0), QStringLiteral("value"));
    EXPECT_EQ(b.pos(), 250011);
    // Only the characters from '!' to 'z' are kept.
    EXPECT_EQ(raros(QStringLiteral("1.234,56 €")) + raros(QStringLiteral("\t{Año}|~ 12\r\n")),
              QStringLiteral("1.234,56Ao12"));
    // Keys match in upper case: each letter of the code page whose capital it holds (Unicode's mapping).
    QByteArray bytes(256, '\0'), mayusculas(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    for (int i = 0; i < 256; ++i) {
        const QString m(cp1252::decode(bytes.mid(i, 1)).at(0).toUpper());
        mayusculas[i] = cp1252::canEncode(m) ? cp1252::encode(m).at(0) : bytes.at(i);
    }
    EXPECT_EQ(scan::upper(bytes), mayusculas);
}

// The buffered scan must give the results and positions of a plain byte-by-byte scan,
// including where it runs into the end of the file.
TEST(Busca, AgreesWithAPlainScanEverywhere) {
    QRandomGenerator rnd(20170817);
    const QByteArray alfabeto = "aAbB -\":o";
    auto texto = [&](int n) {
        QByteArray t;
        for (int i = 0; i < n; ++i)
            t.append(alfabeto.at(rnd.bounded(alfabeto.size())));
        return t;
    };
    const scan::Variant variantes[] = {scan::Variant::Plain, scan::Variant::SlashForBlank,
                                       scan::Variant::EmptyAtLastByte};
    for (int caso = 0; caso < 20000; ++caso) {
        const QByteArray bytes = texto(rnd.bounded(0, 40));
        const QByteArray key = texto(rnd.bounded(1, 4));
        const QByteArray term = texto(rnd.bounded(0, 4));
        const qint64 inicio = rnd.bounded(1, int(bytes.size()) + 2);
        const scan::Variant v = variantes[rnd.bounded(3)];
        const bool sinBlancos = v == scan::Variant::Plain && rnd.bounded(2) == 1;
        const Referencia esperado = referencia(bytes, inicio, key, term, v, sinBlancos);

        Archivo a(bytes, inicio);
        Referencia got;
        try {
            const scan::Result r = scan::find(a.buf, key, term, v, sinBlancos);
            got = {r.text, r.found};
        } catch (const scan::EndOfFile&) {
            got.finDeArchivo = true;
        }
        got.pos = a.pos();
        ASSERT_EQ(got.campos(), esperado.campos()) << bytes.constData() << " key " << key.constData()
                                                   << " term " << term.constData() << " from " << inicio;
    }
}
