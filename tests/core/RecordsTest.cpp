// Byte layouts of the record files, checked against offsets written out by hand.
#include "core/Records.h"
#include "core/ByteCodec.h"
#include "core/Cp1252.h"

#include <gtest/gtest.h>

namespace {

int16_t i16At(const QByteArray& b, int off) {
    return ByteReader(b).i16(off);
}
double f64At(const QByteArray& b, int off) {
    return ByteReader(b).f64(off);
}
float f32At(const QByteArray& b, int off) {
    return ByteReader(b).f32(off);
}

} // namespace

TEST(RegSorteo, LayoutIs32BytesWithBallsDateAndJoker) {
    RegSorteo s;
    s.bolas = {3, 11, 13, 15, 34, 35, 27, -1};
    s.fecha = 31337;
    s.numJoker = 8337021;
    const QByteArray b = s.encode();
    ASSERT_EQ(b.size(), 32);
    EXPECT_EQ(static_cast<uint8_t>(b[0]), 3);
    EXPECT_EQ(static_cast<uint8_t>(b[1]), 0);
    EXPECT_EQ(i16At(b, 10), 35);
    EXPECT_EQ(i16At(b, 12), 27);
    EXPECT_EQ(static_cast<uint8_t>(b[14]), 0xFF); // -1 in little-endian two's complement
    EXPECT_EQ(static_cast<uint8_t>(b[15]), 0xFF);
    EXPECT_EQ(f64At(b, 16), 31337.0);
    EXPECT_EQ(f64At(b, 24), 8337021.0);
    EXPECT_EQ(RegSorteo::decode(b), s);
}

TEST(RegSorteoAntiguo, LayoutIs24BytesWithoutJoker) {
    RegSorteoAntiguo a;
    a.bolas = {1, 2, 3, 4, 5, 6, 7, 8};
    a.fecha = 30000;
    const QByteArray b = a.encode();
    ASSERT_EQ(b.size(), 24);
    EXPECT_EQ(i16At(b, 14), 8);
    EXPECT_EQ(f64At(b, 16), 30000.0);
    const RegSorteoAntiguo back = RegSorteoAntiguo::decode(b);
    EXPECT_EQ(back.bolas, a.bolas);
    EXPECT_EQ(back.fecha, a.fecha);
}

TEST(RegPena, LayoutOfEveryField) {
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
    EXPECT_EQ(i16At(b, 20), 12);
    EXPECT_EQ(i16At(b, 22), 4);
    EXPECT_EQ(i16At(b, 24), 7);
    EXPECT_EQ(i16At(b, 62), 49);
    EXPECT_EQ(i16At(b, 108), 33); // 64 + 2 * (20 + 2)
    EXPECT_EQ(i16At(b, 64 + 2 * (204 * 20 + 19)), 48);
    EXPECT_EQ(i16At(b, 8264), 12);
    EXPECT_EQ(i16At(b, 8272), 1);
    EXPECT_EQ(b.mid(8274, 15), QByteArray("Jueves y S\xE1"
                                          "bado"));
    EXPECT_EQ(i16At(b, 8289), 205);
    EXPECT_EQ(f64At(b, 8291), 45000.0);
    EXPECT_EQ(f64At(b, 8299), 45010.0);

    const RegPena back = RegPena::decode(b);
    EXPECT_EQ(back.nombre.trimmed(), p.nombre);
    EXPECT_EQ(back.dias, p.dias);
    EXPECT_EQ(back, p);
    EXPECT_EQ(back.encode(), b);
}

TEST(RegPena, ShortRecordReadsAsZeros) {
    const RegPena p = RegPena::decode(QByteArray(100, '\x01'));
    EXPECT_EQ(p.numApuestas, 0);
    EXPECT_EQ(p.fecha2, 0.0);
    EXPECT_EQ(p.apuestas[0][0], 0x0101); // byte 64
    EXPECT_EQ(p.apuestas[1][0], 0);      // byte 104, beyond the 100 bytes read
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
    EXPECT_EQ(b.mid(0, 2), QByteArray("ab"));
    EXPECT_EQ(f32At(b, 2), 1.5f);
    EXPECT_EQ(f32At(b, 6), -2.25f);
    EXPECT_EQ(b.mid(10, 2), QByteArray("cd"));
    EXPECT_EQ(f32At(b, 12), 1.0f);
    EXPECT_EQ(i16At(b, 16), 24);
    EXPECT_EQ(b.mid(18, 60), QByteArray("www.example.es").leftJustified(60, ' '));
    EXPECT_EQ(b.mid(78, 8), raw.mid(78, 8));
    EXPECT_EQ(Config::decode(b), c);
}

TEST(Cp1252, EuroAndAccentsRoundTrip) {
    const QString s = QStringLiteral("€ñÑáéíóúü¿¡");
    const QByteArray b = cp1252::encode(s);
    EXPECT_EQ(b.size(), s.size());
    EXPECT_EQ(static_cast<uint8_t>(b[0]), 0x80);
    EXPECT_EQ(cp1252::decode(b), s);
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("Ω")));
    EXPECT_EQ(cp1252::encode(QStringLiteral("aΩb")), QByteArray("a?b"));
    EXPECT_EQ(cp1252::encodeFixed(QStringLiteral("abc"), 5), QByteArray("abc  "));
    EXPECT_EQ(cp1252::encodeFixed(QStringLiteral("abcdef"), 3), QByteArray("abc"));
}
