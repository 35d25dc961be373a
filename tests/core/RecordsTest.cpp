// Byte layouts of the record files, checked against offsets written out by hand.
#include "core/Records.h"
#include "core/ByteCodec.h"
#include "core/Cp1252.h"

#include <QList>
#include <QStringDecoder>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>

namespace {

int16_t i16At(const QByteArray& b, int off) {
    return ByteReader(b).i16(off);
}
// The 16-bit integers at each offset.
QList<int16_t> i16At(const QByteArray& b, std::initializer_list<int> offs) {
    QList<int16_t> out;
    for (int off : offs)
        out << i16At(b, off);
    return out;
}
const auto f64At = [](const QByteArray& b, int off) { return ByteReader(b).f64(off); };
const auto f32At = [](const QByteArray& b, int off) { return ByteReader(b).f32(off); };

} // namespace

TEST(RegSorteo, LayoutIs32BytesWithBallsDateAndJoker) {
    const RegSorteo s{.bolas = {3, 11, 13, 15, 34, 35, 27, -1}, .fecha = 31337, .numJoker = 8337021};
    const QByteArray b = s.encode();
    ASSERT_EQ(b.size(), 32);
    // Little-endian; -1 in two's complement.
    EXPECT_EQ(b.left(2) + b.mid(14, 2), QByteArray("\x03\x00\xFF\xFF", 4));
    EXPECT_EQ(i16At(b, {10, 12}), (QList<int16_t>{35, 27}));
    EXPECT_EQ((std::tuple{f64At(b, 16), f64At(b, 24)}), (std::tuple{31337.0, 8337021.0}));
    EXPECT_EQ(RegSorteo::decode(b), s);
}

TEST(RegSorteoAntiguo, LayoutIs24BytesWithoutJoker) {
    const RegSorteoAntiguo a{.bolas = {1, 2, 3, 4, 5, 6, 7, 8}, .fecha = 30000};
    const QByteArray b = a.encode();
    ASSERT_EQ(b.size(), 24);
    EXPECT_EQ((std::tuple{i16At(b, 14), f64At(b, 16)}), (std::tuple{int16_t(8), 30000.0}));
    const RegSorteoAntiguo back = RegSorteoAntiguo::decode(b);
    EXPECT_EQ((std::tuple{back.bolas, back.fecha}), (std::tuple{a.bolas, a.fecha}));
}

TEST(RegPena, LayoutOfEveryFieldAndAShortRecord) {
    RegPena p;
    p.nombre = QStringLiteral("PEÑA DE LA OFICINA");
    p.reducida = {12, 4};
    p.base[0] = 7;
    p.base[19] = 49;
    p.apuestas[1][2] = 33;    // slot 3 of bet 2
    p.apuestas[204][19] = 48; // last slot of the last bet
    p.acierto(3) = 12;
    p.acierto(7) = 1;
    p.dias = QStringLiteral("Jueves y Sábado");
    p.numApuestas = 205;
    p.fecha = 45000;
    p.fecha2 = 45010;

    const QByteArray b = p.encode();
    ASSERT_EQ(b.size(), 8307);
    // Name: Windows-1252, "Ñ" is the single byte 0xD1, padded with blanks to 20.
    EXPECT_EQ(b.left(20), QByteArray("PE\xD1"
                                     "A DE LA OFICINA  "));
    // Bet 2 slot 3 at 64 + 2 * (20 + 2).
    EXPECT_EQ(i16At(b, {20, 22, 24, 62, 108, 64 + 2 * (204 * 20 + 19), 8264, 8272, 8289}),
              (QList<int16_t>{12, 4, 7, 49, 33, 48, 12, 1, 205}));
    EXPECT_EQ(b.mid(8274, 15), QByteArray("Jueves y S\xE1"
                                          "bado"));
    EXPECT_EQ((std::tuple{f64At(b, 8291), f64At(b, 8299)}), (std::tuple{45000.0, 45010.0}));
    const RegPena back = RegPena::decode(b);
    EXPECT_EQ(back, p);
    EXPECT_EQ(back.encode(), b);
    // A short record reads as zeros past its end.
    const RegPena corto = RegPena::decode(QByteArray(100, '\x01'));
    // The first bet starts at byte 64; the second at byte 104, beyond the 100 bytes read.
    EXPECT_EQ((std::tuple{corto.numApuestas, corto.fecha2, corto.apuestas[0][0], corto.apuestas[1][0]}),
              (std::tuple{int16_t(0), 0.0, int16_t(0x0101), int16_t(0)}));
}

// Damaged: a bet count neither 0..205 nor 501..506, a counter below 0, a date that is no day.
TEST(RegPena, DamagedOnlyOutOfEveryValidRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    for (int n : {1, 205, 501, 506, 0, 206, 500, 507, -1}) {
        RegPena p;
        p.numApuestas = static_cast<int16_t>(n);
        EXPECT_EQ(p.danada(), n == 206 || n == 500 || n == 507 || n == -1) << n;
    }
    RegPena p;
    p.numApuestas = 3;
    p.fecha = 46000.5; // a time of day is still that day
    p.fecha2 = -5;
    p.acierto(7) = 32767;
    EXPECT_FALSE(p.danada());
    for (const auto& cambio : std::vector<std::function<void(RegPena&)>>{
             [](RegPena& r) { r.acierto(3) = -1; }, [](RegPena& r) { r.acierto(7) = -32768; },
             [&](RegPena& r) { r.fecha = nan; }, [&](RegPena& r) { r.fecha2 = inf; },
             [](RegPena& r) { r.fecha = 2958467; }, [](RegPena& r) { r.fecha2 = -657436; }}) {
        RegPena q = p;
        cambio(q);
        EXPECT_TRUE(q.danada());
    }
}

TEST(Config, LayoutKeepsReservedBytes) {
    QByteArray raw(86, '\0');
    raw[0] = 'a';
    raw[1] = 'b';
    raw[10] = 'c';
    raw[11] = 'd';
    for (int i = 78; i < 86; ++i)
        raw[i] = static_cast<char>(i);
    Config c = Config::decode(raw);
    c.margenX = 1.5f;
    c.margenY = -2.25f;
    c.precio = 1.0f;
    c.meses = 24;
    c.webhost = QStringLiteral("www.example.es");
    const QByteArray b = c.encode();
    ASSERT_EQ(b.size(), 86);
    EXPECT_EQ(b.mid(0, 2) + b.mid(10, 2), QByteArray("abcd"));
    EXPECT_EQ((std::tuple{f32At(b, 2), f32At(b, 6), f32At(b, 12), i16At(b, 16)}),
              (std::tuple{1.5f, -2.25f, 1.0f, int16_t(24)}));
    EXPECT_EQ(b.mid(18), QByteArray("www.example.es").leftJustified(60, ' ') + raw.mid(78, 8));
    EXPECT_EQ(Config::decode(b), c);
}

// The system's converter is the reference; its five undefined bytes decode to U+FFFD here.
TEST(Cp1252, EveryByteAgreesWithTheSystemCodecAndTextFieldsArePadded) {
    QStringDecoder sistema("windows-1252");
    QByteArray bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    QString texto = sistema.decode(bytes);
    QByteArray vuelta = bytes;
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        texto[b] = QChar(0xFFFD);
        vuelta[b] = '?';
    }
    EXPECT_EQ(cp1252::decode(bytes), texto);
    EXPECT_EQ(cp1252::encode(texto), vuelta);
    // C1 controls and characters beyond the code page have no byte.
    const QString fuera = QString(QChar(0x80)) + QChar(0x81) + QChar(0x9F) + QChar(0x3A9);
    EXPECT_EQ((std::tuple{cp1252::encode(QStringLiteral("a") + fuera), cp1252::canEncode(fuera.right(1)),
                          cp1252::canEncode(texto.remove(QChar(0xFFFD)))}),
              (std::tuple{QByteArray("a????"), false, true}));
    EXPECT_EQ(cp1252::encodeFixed(QStringLiteral(" abc"), 5) +
                  cp1252::encodeFixed(QStringLiteral("abcdef"), 3),
              QByteArray(" abc abc"));
    // Fields of a record: little-endian, bytes not written stay zero.
    ByteWriter w(16);
    w.f32(2, 1.5f);
    w.i16(0, -2);
    w.text(12, 3, QStringLiteral("ñ"));
    EXPECT_EQ(w.bytes(), QByteArray("\xFE\xFF\0\0\xC0\x3F\0\0\0\0\0\0\xF1  \0", 16));
}
