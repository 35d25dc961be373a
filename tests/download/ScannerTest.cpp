#include "download/Scanner.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <optional>

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

// The scan as a plain loop, one window read from the device per step.
struct Referencia {
    QByteArray texto;
    bool encontrado = false;
    bool finDeArchivo = false;
    qint64 pos = 0;
};

Referencia referencia(const QByteArray& bytes, qint64 inicio, const QByteArray& key, const QByteArray& term,
                      scan::Variant v, bool sinBlancos) {
    const qint64 L = bytes.size();
    const qint64 k = key.size(), f = term.size();
    auto lee = [&](qint64 p, qint64 n) -> std::optional<QByteArray> {
        if (p < 1 || p + n - 1 > L)
            return std::nullopt;
        return bytes.mid(p - 1, n);
    };
    Referencia r;
    qint64 pos = inicio;
    for (;;) {
        const qint64 p = pos;
        const auto w = lee(p, k);
        if (!w) {
            r.finDeArchivo = true;
            r.pos = pos;
            return r;
        }
        pos = p + 1;
        if ((p + 1) + (k - 1) > L) {
            r.pos = pos;
            return r;
        }
        if (w->toUpper() == key.toUpper()) {
            pos = p + k;
            break;
        }
    }
    r.encontrado = true;
    for (;;) {
        const qint64 rr = pos;
        const auto w = lee(rr, f);
        if (!w) {
            r.finDeArchivo = true;
            r.pos = pos;
            return r;
        }
        pos = rr + 1;
        const bool atEnd = v == scan::Variant::EmptyAtLastByte ? pos + f - 1 > L : pos == L;
        if (*w == term || *w == term.toUpper() || atEnd) {
            if (v == scan::Variant::EmptyAtLastByte && atEnd)
                r.texto.clear();
            r.pos = pos;
            return r;
        }
        char c = w->at(0);
        if (v == scan::Variant::SlashForBlank && *w == " ")
            c = '/';
        r.texto.append(c);
        if (sinBlancos) {
            while (r.texto.startsWith(' '))
                r.texto.remove(0, 1);
            while (r.texto.endsWith(' '))
                r.texto.chop(1);
        }
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
    } casos[] = {
        {Busca0, "xx ESCRUtinio\" and more\r\n", "escru", "\"", "tinio", 15},
        {Busca0, "joker: aOnbONc on tail....", "joker", "on", ": aOnb", 0},
        {Busca0, "k= 12 / 3 ;.....", "k=", ";", " 12 / 3 ", 0},
        {Busca1, "k= 12 / 3 ;.....", "k=", ";", "12/3", 0},
        {Busca0, "0123456789 fin", "fin", "x", "", 14 - 3 + 2},
        {Busca3, "<html>web: my host> rest of the page", "web:", ">", "/my/host", 0},
        {Busca2, "key:abcdef", "key:", "##", "", 0},
        {Busca2, "key:ab##cdef", "key:", "##", "ab", 0},
    };
    for (const auto& c : casos) {
        Archivo a(c.bytes);
        const QString k = QString::fromLatin1(c.key), t = QString::fromLatin1(c.term);
        const QString r = c.via == Busca2   ? busca2(a.buf, k, t)
                          : c.via == Busca3 ? busca3(a.buf, k, t)
                                            : busca(a.buf, k, t, c.via == Busca1 ? 1 : 0);
        EXPECT_EQ(r, QString::fromLatin1(c.texto)) << c.bytes;
        if (c.pos)
            EXPECT_EQ(a.pos(), c.pos) << c.bytes;
    }
    Archivo c("key:abcdef");
    EXPECT_THROW(busca(c.buf, QStringLiteral("key:"), QStringLiteral("###"), 0), scan::EndOfFile);
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
    // Long files are read ahead without losing positions.
    QByteArray big(300000, 'x');
    big.replace(250000, 9, "KEY=value");
    big.replace(250009, 1, ";");
    Archivo b(big);
    EXPECT_EQ(busca(b.buf, QStringLiteral("key="), QStringLiteral(";"), 0), QStringLiteral("value"));
    EXPECT_EQ(b.pos(), 250011);
    // Only the characters from '!' to 'z' are kept.
    EXPECT_EQ(raros(QStringLiteral("1.234,56 €")), QStringLiteral("1.234,56"));
    EXPECT_EQ(raros(QStringLiteral("\t{Año}|~ 12\r\n")), QStringLiteral("Ao12"));
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
            got.texto = r.text;
            got.encontrado = r.found;
        } catch (const scan::EndOfFile&) {
            got.finDeArchivo = true;
        }
        got.pos = a.pos();
        ASSERT_EQ(got.finDeArchivo, esperado.finDeArchivo) << bytes.constData() << " key " << key.constData();
        if (!esperado.finDeArchivo) {
            ASSERT_EQ(got.encontrado, esperado.encontrado) << bytes.constData() << " key " << key.constData();
            ASSERT_EQ(got.texto, esperado.texto) << bytes.constData() << " key " << key.constData();
        }
        ASSERT_EQ(got.pos, esperado.pos) << bytes.constData() << " key " << key.constData() << " term "
                                         << term.constData() << " from " << inicio;
    }
}
