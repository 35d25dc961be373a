#pragma once

#include <QByteArray>
#include <QString>

struct FalloEscritura;
struct Session;

// Preparation of the data files when the program starts.
namespace startup {

// The program folder with one trailing separator (none added when it already ends in one).
QString rutaAppDe(const QString& folder);

// Makes `folder` the current folder, sets rutaApp, deletes a stale apuestas.tmp and opens
// the data files. Returns false after telling the user when tablas.bin is missing or a record
// file is a pipe, a device or a folder: the program must then end.
bool abrirArchivos(Session& s, const QString& folder);

// Reads or creates the settings record into s.cfg, repairing a full or retired host and a
// zero price, and leaves nums.ini open.
void leeconfig(Session& s);

// Scans every record of the draws file: a file that is not wholly valid draws (up to today)
// is left as it is and told once as damaged, unless it is a file of the previous version,
// which is converted after the user's OK.
// Returns false when the user refused or the conversion failed (after telling the user):
// the program must then end, with the data files as they were.
bool compruebanumeros(Session& s);

// Converts `antiguos`, the whole old numeros.dat as read, from the previous version's 24-byte
// draws into current records with Joker 0, replaces numeros.dat by them and reopens it. False
// when the conversion could not be written (`fallo` tells why; the old file is then left as
// it was).
bool conviertenumeros(Session& s, const QByteArray& antiguos, FalloEscritura& fallo);

extern const char* const kHostPorDefecto;
extern const char* const kHostRetirado;

} // namespace startup
