#include "core/DataFiles.h"

#include "core/CheckedRead.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// No reply of the draw search comes near this size; a bigger www.txt is left unread.
constexpr qint64 kTamanoMaximoWww = 16LL * 1024 * 1024;

} // namespace

void DataFiles::abrir(const QString& rutaApp) {
    apuestas.open(rutaApp + QStringLiteral("apuestas.dat"));
    numeros.open(rutaApp + QStringLiteral("numeros.dat"));
    abrirWww(rutaApp);
}

bool DataFiles::abrirWww(const QString& rutaApp) {
    if (www.isOpen())
        www.close();
    const QString ruta = rutaApp + QStringLiteral("www.txt");
    www.setFileName(ruta);
    checkedread::Result r;
    QIODevice::OpenMode modo = QIODevice::ReadWrite;
    int fd = checkedread::openRegular(ruta, O_RDWR | O_CREAT, r, kTamanoMaximoWww);
    if (fd < 0 && r.status == checkedread::Status::Failed) {
        modo = QIODevice::ReadOnly;
        fd = checkedread::openRegular(ruta, O_RDONLY, r, kTamanoMaximoWww);
    }
    // Anything but a regular file of a sane size reads as no reply at all.
    return fd >= 0 && www.open(fd, modo, QFileDevice::AutoCloseHandle);
}

QString DataFiles::noRegular(const QString& rutaApp) {
    for (const char* nombre : {"apuestas.dat", "numeros.dat", "nums.ini"}) {
        struct stat st {};
        if (::stat(QFile::encodeName(rutaApp + QLatin1String(nombre)).constData(), &st) == 0 &&
            !S_ISREG(st.st_mode))
            return QLatin1String(nombre);
    }
    return {};
}

void DataFiles::cerrarTodos() {
    apuestas.close();
    if (www.isOpen())
        www.close();
    numeros.close();
    numsIni.close();
}
