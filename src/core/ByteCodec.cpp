#include "core/ByteCodec.h"

#include "core/Cp1252.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
template <typename T> void putLE(QByteArray& b, int offset, T v) {
    unsigned char raw[sizeof(T)];
    std::memcpy(raw, &v, sizeof(T));
    // The machines this runs on are little-endian like the files; keep the order explicit anyway.
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(raw, raw + sizeof(T));
    for (size_t i = 0; i < sizeof(T); ++i)
        b[offset + static_cast<int>(i)] = static_cast<char>(raw[i]);
}
} // namespace

void ByteWriter::i16(int offset, int16_t v) { putLE(m_bytes, offset, v); }
void ByteWriter::f32(int offset, float v) { putLE(m_bytes, offset, v); }
void ByteWriter::f64(int offset, double v) { putLE(m_bytes, offset, v); }
void ByteWriter::text(int offset, int width, const QString& v) { raw(offset, cp1252::encodeFixed(v, width)); }
void ByteWriter::raw(int offset, const QByteArray& v) {
    for (int i = 0; i < v.size() && offset + i < m_bytes.size(); ++i)
        m_bytes[offset + i] = v[i];
}

int16_t ByteReader::i16(int offset) const {
    return static_cast<int16_t>(static_cast<uint16_t>(at(offset) | (at(offset + 1) << 8)));
}

float ByteReader::f32(int offset) const {
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | at(offset + i);
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

double ByteReader::f64(int offset) const {
    uint64_t u = 0;
    for (int i = 7; i >= 0; --i)
        u = (u << 8) | at(offset + i);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

QString ByteReader::text(int offset, int width) const { return cp1252::decode(raw(offset, width)); }

QByteArray ByteReader::raw(int offset, int width) const {
    QByteArray out(width, '\0');
    for (int i = 0; i < width; ++i)
        out[i] = static_cast<char>(at(offset + i));
    return out;
}
