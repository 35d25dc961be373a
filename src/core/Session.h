#pragma once

#include "core/DataFiles.h"
#include "core/Records.h"

#include <QString>
#include <array>
#include <cstdint>

class Dialogs;
class Clock;
class HttpClient;
class PdfAvailability;
class UrlOpener;

// The state every window shares: the public variables, the open data files, the main
// window's settings copy and draw buffer, and the seams to the outside world.
struct Session {
    Session(Dialogs& d, Clock& c) : dialogs(d), clock(c) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Dialogs& dialogs;
    Clock& clock;
    // Web access, the PDF question and the browser; the main window supplies the real ones
    // when these are left unset.
    HttpClient* http = nullptr;
    PdfAvailability* pdf = nullptr;
    UrlOpener* urls = nullptr;

    QString rutaApp; // the program folder with a trailing separator
    DataFiles files;

    int sigSorteo = 1; // one more than the number of stored draws
    int sigPena = 0;   // one more than the number of stored peñas (0: none listed yet)
    RegPena penaActual;
    int penaSel = 0;
    int penasCambiadas = 0;

    // Hand-over values between the bet-mode chooser, the wizard and the peña editor.
    int codMultiple = 0;
    int tablaElegida = 0;
    int delAsistente = 0;
    int modoEdicion = 0;
    std::array<int16_t, 49> numerosAuto{};
    int contApuestas = 0;

    // The main window's own copies that several subsystems read.
    Config cfg;             // the settings record
    RegSorteo sorteo;       // the draw buffer
    int sorteosjugados = 0; // stored draws that concern at least one peña

    // The report database's failure told last, 0 once the database worked again: the
    // operations the program runs unasked (the peña detail at start, the statistics
    // selection) do not tell the same failure twice.
    int errorBaseAvisado = 0;

    QString ruta(const QString& fichero) const { return rutaApp + fichero; }
};
