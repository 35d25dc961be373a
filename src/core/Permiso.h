#pragma once

#include <QString>

class Dialogs;

// The message shown when a data file of the program folder cannot be written.
void errorpermiso(Dialogs& dialogs);
QString textoPermiso();

// Why a file of the program folder could not be written, as far as can be told afterwards.
enum class CausaEscritura { Permiso, DiscoLleno, Otra };
CausaEscritura causaEscritura(const QString& ruta);

// The text for a file that could not be saved because the disk is full.
QString textoDiscoLleno(const QString& fichero);

// Tells the user that `ruta` could not be written and why: the permission message, a full
// disk, or the file's name with `detalle` (the system's reason) for anything else.
void errorEscritura(Dialogs& dialogs, const QString& ruta, const QString& detalle = QString());
