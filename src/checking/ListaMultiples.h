#pragma once

#include "checking/FuenteFilas.h"
#include "checking/Premios.h"

#include <array>
#include <cstdint>
#include <vector>

struct RegPena;
struct RegSorteo;

// The rows of the multiple peñas' results list: for each peña and draw listed a group of a
// blank row, the peña's heading, the draw's date, the bet's numbers (with the first prize
// message) and further rows of its prize breakdown. Rows are eight-byte records; texts and
// colours are worked out when a row is drawn.
class ListaMultiples final : public FuenteFilas {
  public:
    static constexpr int kColumnas = 13;
    static constexpr int kNumerosMax = 11;
    enum class Tipo : uint8_t {
        Blanca,   // no sub-items at all
        Cabecera, // "PEÑA " and the name
        Fecha,    // the draw's date and weekday
        Apuesta,  // the bet's numbers and its first prize message
        Premio,   // a further row of the breakdown (its message, or empty)
    };

    // Takes the peña's name and the numbers of its multiple bet.
    int agregarPena(const RegPena& p);
    int agregarSorteo(const RegSorteo& s);
    // Starts the rows of a peña in a draw.
    void abrirGrupo(int pena, int sorteo);
    void agregarFila(Tipo t);
    void quitarUltimaFila();
    // Puts a prize message on row `fila` (from 0).
    void ponerPremio(int fila, const premios::LineaPremio& l);

    int filas() const override { return int(m_filas.size()); }
    QStringList cabeceras() const override;
    QString texto(int fila, int columna) const override;
    QColor color(int fila, int columna) const override;

    // Numbers of the bet of a peña and how many of them are among the draw's six.
    struct Apuesta {
        int cuantos = 0; // numbers of the bet (0 for a code outside 501..506)
        std::array<int16_t, kNumerosMax> numeros{};
        uint16_t ganadores = 0; // bit j: number j is a winning number
        int aciertos = 0;
        bool concomp = false; // the complementario is among the numbers
    };
    Apuesta comprobar(int pena, int sorteo) const;

  private:
    struct PenaFoto {
        QString nombre;
        int cuantos;
        std::array<int16_t, kNumerosMax> numeros;
    };
    struct Fila {
        uint32_t grupo;
        Tipo tipo;
        uint8_t categoria; // prize message of the row, 0 when none
        bool singular;
        uint16_t cuantas;
    };
    struct Grupo {
        int pena;
        int sorteo;
    };

    std::vector<PenaFoto> m_penas;
    std::vector<RegSorteo> m_sorteos;
    std::vector<Grupo> m_grupos;
    std::vector<Fila> m_filas;
};
