#include "core/FileReplace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace filereplace {
namespace {

const QString kPrefijoCopia = QStringLiteral(".velmorat-");

// A fresh name for a copy in `carpeta`: the prefix and six letters.
QByteArray nombreCopia(const QString& carpeta) {
    QString letras;
    for (int i = 0; i < 6; ++i) {
        const int n = int(QRandomGenerator::system()->bounded(52));
        letras += QChar(n < 26 ? u'A' + n : u'a' + n - 26);
    }
    return QFile::encodeName(carpeta + u'/' + kPrefijoCopia + letras);
}

// Creates `nombre` anew for writing, never through a link or over a file left there.
int creaCopia(const QByteArray& nombre) {
    if (::unlink(nombre.constData()) != 0 && errno != ENOENT)
        return -1;
    return ::open(nombre.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// The permissions of `destino`, or those a new file gets.
mode_t permisosPara(const QByteArray& destino) {
    struct stat st {};
    if (::stat(destino.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

// The copy being written: its descriptor and, once it has one, its name.
class Copia {
  public:
    ~Copia() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_nombre.isEmpty())
            ::unlink(m_nombre.constData());
    }
    // A copy without a name, so that nothing is left when the program ends while it is
    // written; a named one where the file system cannot make those.
    bool crea(const QString& carpeta, const QString& temporal) {
        if (temporal.isEmpty()) {
            m_fd = ::open(QFile::encodeName(carpeta).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (m_fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
                return m_fd >= 0;
        }
        for (int intento = 0; m_fd < 0 && intento < 10; ++intento) {
            const QByteArray nombre = temporal.isEmpty() ? nombreCopia(carpeta) : QFile::encodeName(temporal);
            m_fd = creaCopia(nombre);
            if (m_fd >= 0)
                m_nombre = nombre;
            else if (errno != EEXIST || !temporal.isEmpty())
                return false;
        }
        return m_fd >= 0;
    }
    // Gives the unnamed copy a name beside the target, ready for the rename.
    bool nombra(const QString& carpeta) {
        const QByteArray enlace = "/proc/self/fd/" + QByteArray::number(m_fd);
        while (m_nombre.isEmpty()) {
            const QByteArray nombre = nombreCopia(carpeta);
            if (::linkat(AT_FDCWD, enlace.constData(), AT_FDCWD, nombre.constData(), AT_SYMLINK_FOLLOW) == 0)
                m_nombre = nombre;
            else if (errno != EEXIST)
                return false;
        }
        return true;
    }
    bool cierra() {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }
    void renombrada() { m_nombre.clear(); }
    int fd() const { return m_fd; }
    const QByteArray& nombre() const { return m_nombre; }

  private:
    int m_fd = -1;
    QByteArray m_nombre;
};

void sincronizaCarpeta(const QString& carpeta) {
    const int fd = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

const Llamadas& llamadasDelSistema() {
    static const Llamadas sistema{
        [](int fd, const char* data, size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
        [](const QByteArray& from, const QByteArray& to) {
            return ::rename(from.constData(), to.constData());
        }};
    return sistema;
}

bool esCopiaPropia(const QString& fichero) {
    static const QRegularExpression copia(QStringLiteral("^\\.velmorat-[A-Za-z]{6}$"));
    return copia.match(fichero).hasMatch();
}

int errorReemplazo(const QString& target) {
    // Without blocking: a FIFO without a reader would hold the open for good.
    const int fd =
        ::open(QFile::encodeName(target).constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? 0 : errno;
    ::close(fd);
    return 0;
}

bool reemplaza(const QString& destino, const QByteArray& datos, FalloEscritura& fallo,
               const QString& temporal, const Llamadas& llamadas) {
    fallo = {destino, errorReemplazo(destino), {}};
    if (fallo.error != 0)
        return false;
    const QString carpeta = QFileInfo(destino).absolutePath();
    const QByteArray nativo = QFile::encodeName(destino);
    const auto falla = [&fallo] {
        fallo.error = errno;
        return false;
    };
    Copia copia;
    if (!copia.crea(carpeta, temporal)) {
        // What stands in the way is the copy's own name.
        if (!temporal.isEmpty())
            fallo.ruta = temporal;
        return falla();
    }
    for (qsizetype hecho = 0; hecho < datos.size();) {
        const ssize_t n =
            llamadas.escribe(copia.fd(), datos.constData() + hecho, size_t(datos.size() - hecho));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO; // a write that makes no headway would never end
        if (n <= 0)
            return falla();
        hecho += n;
    }
    // The target's permissions: the copy was made for its owner alone until now.
    ::fchmod(copia.fd(), permisosPara(nativo));
    if (llamadas.sincroniza(copia.fd()) != 0 || !copia.nombra(carpeta) || !copia.cierra())
        return falla();
    if (llamadas.renombra(copia.nombre(), nativo) != 0)
        return falla();
    copia.renombrada();
    sincronizaCarpeta(carpeta);
    return true;
}

} // namespace filereplace
