#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

class Dialogs;

// Reading a file without ever being held or flooded by it: only a regular file is read. It is
// opened without blocking and looked at through its own descriptor, so a pipe or a device put
// in its place is refused before any read; it is read up to a size cap, whole or not at all.
namespace checkedread {

enum class Status {
    Ok,
    Missing,    // no such file
    NotRegular, // a pipe, a device, a folder...
    TooBig,     // over the cap
    Failed,     // the system refused the open or a read; `error` says why
    Short,      // the read ended before the size the file gave
};

struct Result {
    Status status = Status::Failed;
    QByteArray data; // the whole file when ok(); empty otherwise
    int error = 0;   // the system's error number for Missing and Failed
    bool ok() const { return status == Status::Ok; }
    // Why the file was not read, in words (the system's reason where there is one).
    QString reason() const;
};

// Opens `path` with `flags` of open(2) (O_NONBLOCK and O_CLOEXEC added; `mode` for O_CREAT)
// and keeps the descriptor only when it is a regular file of at most `cap` bytes (no cap when
// negative). Returns -1 otherwise, with `why` telling the cause. A regular file's descriptor
// is handed back in blocking mode.
int openRegular(const QString& path, int flags, Result& why, qint64 cap = -1, mode_t mode = 0666);

// Reads `path` whole, at most `cap` bytes.
Result read(const QString& path, qint64 cap);

// The first `n` bytes of `path` (fewer when it is shorter), only when it is a regular file.
QByteArray head(const QString& path, qint64 n);

// Tells the user that `ruta` could not be read, with `razon`, and that nothing was changed.
void errorLectura(Dialogs& dialogs, const QString& ruta, const QString& razon);

// The system's read call, replaceable so that a test can make a read fail partway. Null
// puts the system's back.
using ReadCall = ssize_t (*)(int fd, void* buf, size_t n);
void setReadCall(ReadCall call);

} // namespace checkedread
