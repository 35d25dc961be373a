#include "core/FileReplace.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
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

const Llamadas& llamadasDelSistema() {
    static const Llamadas sistema{
        syncFile,
        [](const QString& from, const QString& to) {
            return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
        },
        syncFolderOf};
    return sistema;
}

bool moveOver(const QString& source, const QString& target, const Llamadas& llamadas) {
    if (!llamadas.sincroniza(source))
        return false;
    if (!llamadas.renombra(source, target))
        return false;
    llamadas.sincronizaCarpeta(target);
    return true;
}

bool reemplazable(const QString& target) {
    // Without blocking: a FIFO without a reader would hold the open for good.
    const int fd = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    ::close(fd);
    return true;
}

} // namespace filereplace
