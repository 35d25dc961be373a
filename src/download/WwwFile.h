#pragma once

#include <QByteArray>
#include <QString>

struct FalloEscritura;
struct Session;

// www.txt, the last reply of the draw search: one line of Windows-1252 text, the reply
// between double quotes with each of its double quotes doubled, then CR LF.
QByteArray formaWww(const QString& respuesta);

// Replaces www.txt with `respuesta` (whole or not at all) and reopens it for byte access
// as the session's download file. False when the new content could not be written; the
// download file is then the previous one, and `fallo` (when given) tells why.
bool grabaWww(Session& s, const QString& respuesta, FalloEscritura* fallo = nullptr);
