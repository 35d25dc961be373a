#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Little-endian field-by-field encoding of the fixed-length records.
class ByteWriter {
public:
    explicit ByteWriter(int size) : m_bytes(size, '\0') {}
    void i16(int offset, int16_t v);
    void f32(int offset, float v);
    void f64(int offset, double v);
    void text(int offset, int width, const QString& v);
    void raw(int offset, const QByteArray& v);
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads fields from a record; bytes beyond the end of a short record read as zero.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : m_bytes(bytes) {}
    int16_t i16(int offset) const;
    float f32(int offset) const;
    double f64(int offset) const;
    QString text(int offset, int width) const;
    QByteArray raw(int offset, int width) const;

private:
    uint8_t at(int i) const { return i < m_bytes.size() ? static_cast<uint8_t>(m_bytes[i]) : 0; }
    const QByteArray& m_bytes;
};
