#include "core/Permiso.h"

#include "platform/Dialogs.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

QString textoPermiso() {
    return QStringLiteral("Para modificar el archivo necesita permiso de Administrador.\r\n"
                          "Cierre el programa y ejecútelo en modo Administrador y repita la operación.\r\n"
                          "(Encima del icono, botón derecho y elija \"Ejecutar como administrador\")");
}

void errorpermiso(Dialogs& dialogs) {
    dialogs.message(textoPermiso(), QStringLiteral("Error de permiso"), Dialogs::Icon::Exclamation);
}

CausaEscritura causaEscritura(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return CausaEscritura::DiscoLleno;
    case EACCES:
    case EPERM:
        return CausaEscritura::Permiso;
    default:
        return CausaEscritura::Otra;
    }
}

QString textoDiscoLleno(const QString& fichero) {
    return QStringLiteral("No se ha podido guardar el archivo %1 porque el disco está lleno. "
                          "Libere espacio en el disco y repita la operación.")
        .arg(fichero);
}

AvisoEscritura avisoEscritura(const FalloEscritura& fallo) {
    const QString fichero = QFileInfo(fallo.ruta).fileName();
    switch (causaEscritura(fallo.error)) {
    case CausaEscritura::Permiso:
        return {textoPermiso(), QStringLiteral("Error de permiso")};
    case CausaEscritura::DiscoLleno:
        return {textoDiscoLleno(fichero), QStringLiteral("Disco lleno")};
    case CausaEscritura::Otra:
        break;
    }
    QString razon = fallo.razon;
    if (fallo.error != 0)
        razon = QString::fromLocal8Bit(std::strerror(fallo.error));
    return {QStringLiteral("No se ha podido guardar el archivo %1. (%2)").arg(fichero, razon),
            QStringLiteral("Error de escritura")};
}

void errorEscritura(Dialogs& dialogs, const FalloEscritura& fallo) {
    const AvisoEscritura aviso = avisoEscritura(fallo);
    dialogs.message(aviso.texto, aviso.titulo, Dialogs::Icon::Exclamation);
}
