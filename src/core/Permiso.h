#pragma once

#include <QString>
#include <utility>

class Dialogs;

// The message shown when a data file of the program folder cannot be written for want of
// permission.
void errorpermiso(Dialogs& dialogs);
QString textoPermiso();

// A write that failed: the file and the failing call's own error number.
struct FalloEscritura {
    FalloEscritura() = default;
    FalloEscritura(QString r, int e, QString motivo = QString())
        : ruta(std::move(r)), error(e), razon(std::move(motivo)) {}

    QString ruta;  // the file that could not be written
    int error = 0; // errno of the call that failed; 0 when the failure has no error number
    QString razon; // the reason when there is no error number (a database's own text)
};

// Why a write failed, told from its error number: a full disk or quota, a permission
// refused, or anything else (a read-only file system included).
enum class CausaEscritura { Permiso, DiscoLleno, Otra };
CausaEscritura causaEscritura(int error);

// The text for a file that could not be saved because the disk is full.
QString textoDiscoLleno(const QString& fichero);

// The box telling a failed write, its title matching its text: the permission message, a
// full disk, or the file's name with the system's reason.
struct AvisoEscritura {
    QString texto, titulo;
};
AvisoEscritura avisoEscritura(const FalloEscritura& fallo);

// Tells the user, in one box, that a file could not be written and why.
void errorEscritura(Dialogs& dialogs, const FalloEscritura& fallo);
