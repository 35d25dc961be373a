#include "stats/AvisoBase.h"

#include "core/Permiso.h"
#include "platform/Dialogs.h"
#include "stats/BaseInforme.h"

#include <QFileInfo>
#include <cerrno>
#include <sqlite3.h>

QString textoFaltaBase(const QString& fichero) {
    return QStringLiteral("No se encuentra el archivo %1 en la carpeta del programa. Reinstalar el programa "
                          "lo restaura.")
        .arg(fichero);
}

void avisaErrorBase(Dialogs& dialogs, const QString& ruta, int error) {
    const QString fichero = QFileInfo(ruta).fileName();
    const auto dice = [&dialogs](const QString& texto, const QString& titulo) {
        dialogs.message(texto, titulo, Dialogs::Icon::Exclamation);
    };
    if (!QFileInfo(ruta).isFile()) {
        dice(textoFaltaBase(fichero), QStringLiteral("Falta un archivo"));
        return;
    }
    // Database errors come negated; the others are the program's own numbers.
    switch (error) {
    case -SQLITE_FULL:
        dice(textoDiscoLleno(fichero), QStringLiteral("Disco lleno"));
        return;
    case BaseInforme::kSistemaSoloLectura:
        errorEscritura(dialogs, {ruta, EROFS});
        return;
    case -SQLITE_BUSY:
    case -SQLITE_LOCKED:
        dice(
            QStringLiteral("El archivo %1 está ocupado por otro programa. Repita la operación.").arg(fichero),
            QStringLiteral("Archivo ocupado"));
        return;
    case -SQLITE_ERROR: // a table or a column is missing
    case -SQLITE_CORRUPT:
    case -SQLITE_NOTADB:
    case BaseInforme::kSinFila:
        dice(QStringLiteral("El archivo %1 está dañado. Reinstalar el programa lo restaura.").arg(fichero),
             QStringLiteral("Archivo dañado"));
        return;
    default:
        errorEscritura(dialogs, {ruta, 0,
                                 error < 0 ? QString::fromUtf8(sqlite3_errstr(-error))
                                           : QStringLiteral("error %1").arg(error)});
    }
}
