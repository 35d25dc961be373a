#include "core/Cp1252.h"

namespace cp1252 {
namespace {

// Unicode code points of bytes 0x80..0x9F; 0 marks an undefined byte.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            out.append(QChar(kHigh[b - 0x80] != 0 ? kHigh[b - 0x80] : char16_t(0xFFFD)));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c.unicode());
        out.append(static_cast<char>(b < 0 ? '?' : b));
    }
    return out;
}

bool canEncode(const QString& text) {
    for (QChar c : text)
        if (byteFor(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray encodeFixed(const QString& text, int width) {
    QByteArray out = encode(text).left(width);
    if (out.size() < width)
        out.append(QByteArray(width - out.size(), ' '));
    return out;
}

} // namespace cp1252
