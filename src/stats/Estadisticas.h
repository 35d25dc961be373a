#pragma once

#include "core/Records.h"

#include <QString>
#include <array>
#include <vector>

class RecordFile;

// The weekdays whose draws count.
struct DiasElegidos {
    bool lunes = true;
    bool jueves = true;
    bool sabado = true;
};

// One row of the draws list: the record it shows and the draw itself; its texts are made
// when the row is drawn.
struct SorteoListado {
    int registro = 0;
    RegSorteo sorteo;
};

// One row of a chart page: the number's label and its counts (overall, or Lunes, Jueves,
// Sábado).
struct FilaGrafica {
    QString etiqueta;
    std::array<int, 3> veces{};
};
using PaginaGrafica = std::array<FilaGrafica, 25>;

// How often each number came out in the draws of a period on chosen weekdays.
struct Estadisticas {
    enum Dia { Lunes, Jueves, Sabado };

    int sorteossel = 0;
    std::array<int, 50> veces{};                   // by number 1..49 (entry 0 unused)
    std::array<std::array<int, 3>, 50> vecesDia{}; // by number and Dia
    std::vector<SorteoListado> filas;              // the selected draws, newest first
    bool hayFechas = false;                        // some draw was selected
    std::array<double, 2> fechasSel{};             // newest and oldest selected date
    bool hayUltimo = false;                        // a newest draw exists
    QString frase;                                 // its row text, empty when not selected

    // The four chart grids: 1 numbers 1..25, 2 numbers 25..49 (both pages show 25), 3 and 4
    // the same per weekday. Any other value gives page 1.
    PaginaGrafica datosGrafica(int cual) const;
    // The 49 counts in number order, as the ranking of numbers reads them.
    std::array<int, 49> frecuencias() const;
};

// Walks the stored draws from the newest down to record 1 and counts the six winning
// numbers of each draw that falls on a chosen weekday and not before `desde`. Numbers
// outside 1..49 are listed but not counted.
Estadisticas calculaEstadisticas(RecordFile& numeros, int sigSorteo, DiasElegidos dias, double desde);

// Texts of a row of the draws list: the numbers ("   C: " or "  C: " before the
// complementario, " R: -" for a draw without reintegro), the Joker, the date and weekday.
QString textoSorteo(const RegSorteo& s);
QString textoJoker(const RegSorteo& s);
QString textoFechaSorteo(const RegSorteo& s);
