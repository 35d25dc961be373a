#include "core/Permiso.h"

#include "platform/Dialogs.h"

void errorpermiso(Dialogs& dialogs) {
    dialogs.message(
        QStringLiteral("Para modificar el archivo necesita permiso de Administrador.\r\n"
                       "Cierre el programa y ejecútelo en modo Administrador y repita la operación.\r\n"
                       "(Encima del icono, botón derecho y elija \"Ejecutar como administrador\")"),
        QStringLiteral("Error de permiso"), Dialogs::Icon::Exclamation);
}
