#pragma once

#include <QByteArray>
#include <QString>

// Text of the record files is stored in Windows-1252, one byte per character.
namespace cp1252 {

// Decodes bytes; the five bytes undefined in the code page decode to U+FFFD.
QString decode(const QByteArray& bytes);

// Encodes text; a character the code page cannot hold becomes '?'.
QByteArray encode(const QString& text);

// True when every character of the text has a Windows-1252 byte.
bool canEncode(const QString& text);

// Encodes into exactly `width` bytes: cut when longer, padded with blanks when shorter.
QByteArray encodeFixed(const QString& text, int width);

} // namespace cp1252
