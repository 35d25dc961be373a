#pragma once

#include <QString>

struct Session;

// What the status block of the General tab shows after a summary.
struct ResumenVista {
    QString ultimaActualizacion; // date of the newest stored draw, or "Fichero de datos vacío."
    bool hayDatos = false;       // enables the "Histórico" and "Ver sólo si hay premio" boxes
    bool barraHabilitada = false;
    int barraMaximo = 1;         // range of the draws-to-view scroll bar
    QString proximoSorteo;       // date of the next draw
    QString faltan;              // "¡Hoy sorteo!" or "Faltan n días"
    bool recordatorio = false;   // the blinking update reminder runs
    QString recordatorioTexto;
};

// Recounts the stored draws (sigSorteo) and the draws that concern at least one peña
// (sorteosjugados), leaves the newest draw in the draw buffer and computes the status block.
ResumenVista resumen(Session& s);
