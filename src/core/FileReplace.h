#pragma once

#include <QString>

// Durable file replacement: a crash at any moment leaves either the old file or the new
// one whole, never a mixture.
namespace filereplace {

// Flushes `source` to disk and renames it over `target`. The source is consumed.
bool moveOver(const QString& source, const QString& target);

} // namespace filereplace
