#include "core/FolderLock.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(const QString& folder) : m_folder(folder) {}

FolderLock::~FolderLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FolderLock::tryLock() {
    if (m_fd >= 0)
        return true;
    // Close-on-exec: a browser the program starts must not keep the folder locked after it ends.
    const int fd = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool ocupada = errno == EWOULDBLOCK;
        ::close(fd);
        return !ocupada;
    }
    m_fd = fd;
    return true;
}

bool FolderLock::lockOrTell(Dialogs& dialogs) {
    if (tryLock())
        return true;
    dialogs.message(QStringLiteral("Velmorat ya está abierto en la carpeta \"%1\". Siga en esa ventana, o "
                                   "ciérrela antes de volver a abrir el programa.")
                        .arg(QDir::toNativeSeparators(m_folder)),
                    QStringLiteral("Velmorat"), Dialogs::Icon::Exclamation);
    return false;
}
