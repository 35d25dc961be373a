#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <stdexcept>

// Forward scans of a byte file for a key and the text that follows it up to a terminator.
// Positions are 1-based (the position of the next byte to read); the file's current position
// is the only state kept between calls, so callers chain searches and may move it between
// them. One character is one byte (Windows-1252).
namespace scan {

// A window would have to be read beyond the end of the file.
struct EndOfFile : std::runtime_error {
    EndOfFile() : std::runtime_error("input past end of file") {}
};

enum class Variant {
    Plain,          // file 2: blanks optionally dropped from the result
    SlashForBlank,  // file 6: a one-byte window that is a blank enters the result as '/'
    EmptyAtLastByte // file 8: a stop on a window that ends at the last byte gives ""
};

struct Result {
    QByteArray text;
    bool found = false; // the key was found
};

qint64 position(const QIODevice& f);
void setPosition(QIODevice& f, qint64 p);

// The key is compared in upper case; the terminator exactly or in upper case. On a miss
// the position is left at (length - key length + 2). Throws EndOfFile where a read would
// pass the end of the file.
Result find(QIODevice& f, const QByteArray& key, const QByteArray& terminator, Variant v = Variant::Plain,
            bool dropBlanks = false);

// Upper case of Windows-1252 text, byte by byte.
QByteArray upper(const QByteArray& bytes);

} // namespace scan

// The scan on the download file; `espacios` 1 drops every blank from the result.
QString busca(QIODevice& f, const QString& empieza, const QString& final, int16_t espacios);
// The scan on the notice page: a blank read as a one-byte window comes back as '/'.
QString busca3(QIODevice& f, const QString& empieza, const QString& final);
// The scan with the end test one terminator length ahead.
QString busca2(QIODevice& f, const QString& empieza, const QString& final);

// Keeps the characters from '!' to 'z': blanks, control characters, "{|}~" and everything
// beyond ASCII are dropped.
QString raros(const QString& cadena);
