#include "core/FileReplace.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace filereplace {
namespace {

bool syncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void syncFolderOf(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool moveOver(const QString& source, const QString& target) {
    if (!syncFile(source))
        return false;
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    syncFolderOf(target);
    return true;
}

bool copyOver(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target); // writes a temporary beside the target, flushes, renames
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    const bool ok = out.commit();
    if (ok)
        syncFolderOf(target);
    return ok;
}

} // namespace filereplace
