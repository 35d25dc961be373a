#include "core/Permiso.h"

#include "platform/Dialogs.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace {

// Below this much free space a failed write is put down to a full disk.
constexpr qint64 kEspacioMinimo = 1024 * 1024;

} // namespace

QString textoPermiso() {
    return QStringLiteral("Para modificar el archivo necesita permiso de Administrador.\r\n"
                          "Cierre el programa y ejecútelo en modo Administrador y repita la operación.\r\n"
                          "(Encima del icono, botón derecho y elija \"Ejecutar como administrador\")");
}

void errorpermiso(Dialogs& dialogs) {
    dialogs.message(textoPermiso(), QStringLiteral("Error de permiso"), Dialogs::Icon::Exclamation);
}

CausaEscritura causaEscritura(const QString& ruta) {
    const QFileInfo archivo(ruta);
    const QFileInfo carpeta(archivo.absolutePath());
    if ((archivo.exists() && !archivo.isWritable()) || !carpeta.isWritable())
        return CausaEscritura::Permiso;
    const QStorageInfo disco(carpeta.absoluteFilePath());
    if (disco.isValid() && disco.bytesAvailable() < kEspacioMinimo)
        return CausaEscritura::DiscoLleno;
    return CausaEscritura::Otra;
}

QString textoDiscoLleno(const QString& fichero) {
    return QStringLiteral("No se ha podido guardar el archivo %1 porque el disco está lleno. "
                          "Libere espacio en el disco y repita la operación.")
        .arg(fichero);
}

void errorEscritura(Dialogs& dialogs, const QString& ruta, const QString& detalle) {
    const QString fichero = QFileInfo(ruta).fileName();
    switch (causaEscritura(ruta)) {
    case CausaEscritura::Permiso:
        errorpermiso(dialogs);
        return;
    case CausaEscritura::DiscoLleno:
        dialogs.message(textoDiscoLleno(fichero), QStringLiteral("Disco lleno"), Dialogs::Icon::Exclamation);
        return;
    case CausaEscritura::Otra:
        dialogs.message(QStringLiteral("No se ha podido guardar el archivo %1.").arg(fichero) +
                            (detalle.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detalle)),
                        QStringLiteral("Error de escritura"), Dialogs::Icon::Exclamation);
        return;
    }
}
