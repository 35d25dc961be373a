#pragma once

#include "core/RecordFile.h"
#include "core/Records.h"

#include <QFile>
#include <QString>

// The data files kept open for the whole run, each owned by one role.
class DataFiles {
public:
    RecordFile apuestas{RegPena::kSize};  // apuestas.dat: the peñas
    QFile www;                            // www.txt: the last download reply, byte access
    RecordFile numeros{RegSorteo::kSize}; // numeros.dat: the draws, oldest first
    RecordFile numsIni{Config::kSize};    // nums.ini: the settings record

    // Opens apuestas.dat, numeros.dat and www.txt in `rutaApp`, creating missing ones empty.
    void abrir(const QString& rutaApp);
    // Opens www.txt when it is a regular file of a sane size; false (closed) otherwise.
    bool abrirWww(const QString& rutaApp);
    // The first of the record files that is there but not a regular file (a pipe, a device,
    // a folder), which the program cannot use; empty when there is none.
    static QString noRegular(const QString& rutaApp);
    void cerrarTodos();
};
