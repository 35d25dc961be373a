#include "download/Scanner.h"

#include "core/Cp1252.h"

#include <algorithm>
#include <array>

namespace scan {

namespace {

constexpr std::array<unsigned char, 256> kUpper = [] {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[size_t(i)] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        t[size_t(c)] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            t[size_t(c)] = static_cast<unsigned char>(c - 32);
    t[0x9A] = 0x8A; // š
    t[0x9C] = 0x8C; // œ
    t[0x9E] = 0x8E; // ž
    t[0xFF] = 0x9F; // ÿ
    return t;
}();

// Reads the file ahead in growing chunks; at(p) is the byte at 1-based position p.
class ReadAhead {
  public:
    explicit ReadAhead(QIODevice& f) : m_f(f), m_length(f.size()) {}
    qint64 length() const { return m_length; }

    // Makes bytes p .. p + n - 1 available; false when they pass the end of the file.
    bool ensure(qint64 p, qint64 n) {
        if (p < 1 || p + n - 1 > m_length)
            return false;
        if (p >= m_base && p + n <= m_base + m_buf.size())
            return true;
        const qint64 want = std::max<qint64>(n, m_chunk);
        m_chunk = std::min<qint64>(m_chunk * 2, 1 << 20);
        if (!m_f.seek(p - 1))
            return false;
        m_buf = m_f.read(std::min(want, m_length - p + 1));
        m_base = p;
        return m_buf.size() >= n;
    }
    const char* at(qint64 p) const { return m_buf.constData() + (p - m_base); }

  private:
    QIODevice& m_f;
    qint64 m_length;
    qint64 m_base = 1;
    qint64 m_chunk = 4096;
    QByteArray m_buf;
};

bool equalsUpper(const char* window, const QByteArray& keyUpper) {
    for (qsizetype i = 0; i < keyUpper.size(); ++i)
        if (kUpper[static_cast<unsigned char>(window[i])] != static_cast<unsigned char>(keyUpper[i]))
            return false;
    return true;
}

} // namespace

QByteArray upper(const QByteArray& bytes) {
    QByteArray out = bytes;
    for (char& c : out)
        c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
    return out;
}

qint64 position(const QIODevice& f) {
    return f.pos() + 1;
}

void setPosition(QIODevice& f, qint64 p) {
    f.seek(std::max<qint64>(p, 1) - 1);
}

Result find(QIODevice& f, const QByteArray& key, const QByteArray& terminator, Variant v, bool dropBlanks) {
    ReadAhead in(f);
    const qint64 length = in.length();
    const qint64 k = key.size();
    const QByteArray keyUpper = upper(key);
    Result result;

    // Key search: a window whose last byte is the file's last byte is never taken.
    qint64 p = position(f);
    if (!in.ensure(p, k))
        throw EndOfFile();
    for (;; ++p) {
        if (p + k > length) {
            setPosition(f, p + 1);
            return result;
        }
        in.ensure(p, k);
        if (equalsUpper(in.at(p), keyUpper))
            break;
    }
    result.found = true;

    // Terminator search: stops one byte behind the terminator's first byte, or when the
    // next position is the file's last byte.
    const qint64 t = terminator.size();
    const QByteArray terminatorUpper = upper(terminator);
    for (qint64 r = p + k;; ++r) {
        if (!in.ensure(r, t)) {
            setPosition(f, r);
            throw EndOfFile();
        }
        const QByteArray window = QByteArray::fromRawData(in.at(r), qsizetype(t));
        const bool atEnd = v == Variant::EmptyAtLastByte ? (r + 1) + t - 1 > length : r + 1 == length;
        if (window == terminator || window == terminatorUpper || atEnd) {
            setPosition(f, r + 1);
            if (v == Variant::EmptyAtLastByte && atEnd)
                result.text.clear();
            return result;
        }
        const char c = *in.at(r);
        if (v == Variant::SlashForBlank && t == 1 && c == ' ')
            result.text.append('/');
        else if (!(dropBlanks && c == ' '))
            result.text.append(c);
    }
}

} // namespace scan

namespace {

QString run(QIODevice& f, const QString& key, const QString& terminator, scan::Variant v, bool dropBlanks) {
    return cp1252::decode(scan::find(f, cp1252::encode(key), cp1252::encode(terminator), v, dropBlanks).text);
}

} // namespace

QString busca(QIODevice& f, const QString& empieza, const QString& final, int16_t espacios) {
    return run(f, empieza, final, scan::Variant::Plain, espacios == 1);
}

QString busca3(QIODevice& f, const QString& empieza, const QString& final) {
    return run(f, empieza, final, scan::Variant::SlashForBlank, false);
}

QString busca2(QIODevice& f, const QString& empieza, const QString& final) {
    return run(f, empieza, final, scan::Variant::EmptyAtLastByte, false);
}

QString raros(const QString& cadena) {
    QString out;
    for (const QChar c : cadena)
        if (c.unicode() > 32 && c.unicode() < 123)
            out.append(c);
    return out;
}
