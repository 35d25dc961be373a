#pragma once

#include <QString>

class Dialogs;

// Tells the user why the report database `ruta` could not be opened or written, from the
// error number BaseInforme gave: a missing or damaged file (which reinstalling restores), a
// full disk, a file busy with another program, or else the write failure's own cause.
void avisaErrorBase(Dialogs& dialogs, const QString& ruta, int error);

// The text for a report database `fichero` that is not in the program folder.
QString textoFaltaBase(const QString& fichero);
