#pragma once

#include <QString>
#include <functional>

// Durable file replacement: a crash at any moment leaves either the old file or the new
// one whole, never a mixture.
namespace filereplace {

// The system calls of a replacement, replaceable so that their order can be checked.
struct Llamadas {
    std::function<bool(const QString& path)> sincroniza;                       // data to disk
    std::function<bool(const QString& from, const QString& to)> renombra;      // atomic rename
    std::function<void(const QString& path)> sincronizaCarpeta;                // the rename to disk
};
const Llamadas& llamadasDelSistema();

// Flushes `source` to disk and renames it over `target`; nothing is renamed when the data
// could not be flushed. The source is consumed.
bool moveOver(const QString& source, const QString& target, const Llamadas& llamadas = llamadasDelSistema());

// True when `target` is missing or could be written into. A rename replaces a write-protected
// file as readily as any other, so a replacement asks first.
bool reemplazable(const QString& target);

} // namespace filereplace
