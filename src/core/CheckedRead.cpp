#include "core/CheckedRead.h"

#include "platform/Dialogs.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace checkedread {

namespace {

ReadCall g_read = nullptr;

ssize_t leeBloque(int fd, void* buf, size_t n) {
    return g_read ? g_read(fd, buf, n) : ::read(fd, buf, n);
}

} // namespace

void setReadCall(ReadCall call) {
    g_read = call;
}

QString Result::reason() const {
    switch (status) {
    case Status::Ok:
        return {};
    case Status::NotRegular:
        return QStringLiteral("no es un archivo normal");
    case Status::TooBig:
        return QStringLiteral("es demasiado grande");
    case Status::Short:
        return QStringLiteral("lectura incompleta");
    case Status::Missing:
    case Status::Failed:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(error ? error : EIO));
}

void errorLectura(Dialogs& dialogs, const QString& ruta, const QString& razon) {
    dialogs.message(QStringLiteral("No se ha podido leer el archivo %1 (%2). No se ha cambiado nada.")
                        .arg(QFileInfo(ruta).fileName(), razon),
                    QStringLiteral("Error de lectura"), Dialogs::Icon::Exclamation);
}

int openRegular(const QString& path, int flags, Result& why, qint64 cap, mode_t mode) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        why.error = errno;
        why.status = errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Failed;
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        why.error = errno;
        why.status = Status::Failed;
    } else if (!S_ISREG(st.st_mode)) {
        why.status = Status::NotRegular;
    } else if (cap >= 0 && st.st_size > cap) {
        why.status = Status::TooBig;
    } else {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        why.status = Status::Ok;
        why.error = 0;
        return fd;
    }
    ::close(fd);
    return -1;
}

Result read(const QString& path, qint64 cap) {
    Result r;
    const int fd = openRegular(path, O_RDONLY, r, cap);
    if (fd < 0)
        return r;
    struct stat st {};
    ::fstat(fd, &st);
    QByteArray datos;
    datos.reserve(qsizetype(st.st_size));
    char bloque[65536];
    for (;;) {
        const ssize_t n = leeBloque(fd, bloque, sizeof bloque);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            r.status = Status::Failed;
            r.error = errno;
            break;
        }
        if (datos.size() + n > cap) {
            r.status = Status::TooBig;
            break;
        }
        datos.append(bloque, qsizetype(n));
    }
    ::close(fd);
    // A file cut while it was read (or a read that ended early) is not taken as whole.
    if (r.ok() && datos.size() < st.st_size)
        r.status = Status::Short;
    if (r.ok())
        r.data = std::move(datos);
    return r;
}

QByteArray head(const QString& path, qint64 n) {
    Result r;
    const int fd = openRegular(path, O_RDONLY, r);
    if (fd < 0)
        return {};
    QByteArray datos(n, '\0');
    qint64 hecho = 0;
    while (hecho < n) {
        const ssize_t k = leeBloque(fd, datos.data() + hecho, size_t(n - hecho));
        if (k < 0 && errno == EINTR)
            continue;
        if (k <= 0)
            break;
        hecho += k;
    }
    ::close(fd);
    datos.truncate(hecho);
    return datos;
}

} // namespace checkedread
