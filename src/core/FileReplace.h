#pragma once

#include "core/Permiso.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <sys/types.h>

// Durable file replacement: a crash at any moment leaves either the old file or the new
// one whole, never a mixture.
namespace filereplace {

// The system calls of a replacement that can fail on a sound file system, replaceable so
// that their failures can be tried. Each returns as the system call does and sets errno.
struct Llamadas {
    std::function<ssize_t(int fd, const char* data, size_t size)> escribe;
    std::function<int(int fd)> sincroniza;                                     // data to disk
    std::function<int(const QByteArray& from, const QByteArray& to)> renombra; // atomic rename
};
const Llamadas& llamadasDelSistema();

// The name of the copy a replacement without a name of its own writes: a hidden name of
// the program's, so that one left by a run that ended midway is known for its own.
bool esCopiaPropia(const QString& fichero);

// 0 when `target` is missing or could be written into, else the error number of the
// refusal. A rename replaces a write-protected file as readily as any other, so a
// replacement asks first.
int errorReemplazo(const QString& target);

// Replaces `destino` by a file holding `datos`: written whole into a copy beside it
// (`temporal`, or a copy without a name until it is complete), flushed to disk, given the
// target's permissions (a new file gets the usual ones) and renamed over the target. On
// failure the target is as it was, no copy is left, and `fallo` holds the file and the
// failing call's error number.
bool reemplaza(const QString& destino, const QByteArray& datos, FalloEscritura& fallo,
               const QString& temporal = QString(), const Llamadas& llamadas = llamadasDelSistema());

} // namespace filereplace
