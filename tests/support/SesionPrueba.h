#pragma once

#include "core/Session.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/Registros.h"
#include "support/TestFolder.h"

#include <QDate>
#include <QDir>

// A session on a fixed day with scripted message boxes and a temporary program folder;
// on the way out it closes the data files and returns to the folder the test started in.
struct SesionPrueba {
    explicit SesionPrueba(QDate hoy) : clock(hoy) {}
    ~SesionPrueba() {
        s.files.cerrarTodos();
        QDir::setCurrent(cwd);
    }
    // Opens the data files of the program folder, as the program does at start.
    void abreDatos() {
        s.rutaApp = dir.rutaApp();
        s.files.abrir(s.rutaApp);
    }

    FakeDialogs dialogs;
    FixedClock clock;
    Session s{dialogs, clock};
    TestFolder dir;
    QString cwd = QDir::currentPath();
};

// A test session whose data files are open from the start. Draws and peñas are appended to
// them, each becoming the newest the session knows of; each returns its record number.
struct SesionConDatos : SesionPrueba {
    explicit SesionConDatos(QDate hoy) : SesionPrueba(hoy) { abreDatos(); }

    int sorteo(double fecha, const std::array<int, 6>& seis = {1, 2, 3, 4, 5, 6}, int comp = 7,
               int reint = 3) {
        s.sigSorteo = int(s.files.numeros.count()) + 1;
        s.files.numeros.put(s.sigSorteo, registroSorteo(fecha, seis, comp, reint));
        return s.sigSorteo++;
    }
    int pena(const QString& nombre, const QString& dias, double creada,
             const std::vector<std::vector<int>>& apuestas = {}, int numApuestas = -1) {
        s.sigPena = int(s.files.apuestas.count()) + 1;
        s.files.apuestas.put(s.sigPena, registroPena(nombre, dias, creada, apuestas, numApuestas));
        return s.sigPena++;
    }
};
