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
    bool abrirWww(const QString& rutaApp);
    void cerrarTodos();
};
