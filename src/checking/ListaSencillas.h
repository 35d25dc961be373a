#pragma once

#include "checking/CuentaApuestas.h"
#include "checking/FuenteFilas.h"
#include "checking/Premios.h"

#include <array>
#include <cstdint>
#include <vector>

struct RegPena;
struct RegSorteo;

// The rows of the simple and reduced peñas' results list. Each peña and draw listed forms
// a block: a separator row, the peña's heading, the draw's date and one row per bet. A
// block keeps only which bets it shows; numbers, colours and messages are worked out when
// a row is drawn, so a list of thousands of draws stays small.
class ListaSencillas final : public FuenteFilas {
  public:
    static constexpr int kColumnas = 8;

    // Takes the peña's name and its first six numbers of each bet (at most 205 bets).
    int agregarPena(const RegPena& p);
    int agregarSorteo(const RegSorteo& s);

    // Opens a block for a peña and a draw: three rows.
    void abrirBloque(int pena, int sorteo);
    // Adds to the open block, still without bet rows, the rows of all the peña's bets.
    void agregarTodas();
    // Adds to the open block the rows of the `n` bets listed (from 0), in that order.
    void agregarApuestas(const uint8_t* apuestas, int n);
    // Removes the open block whole.
    void quitarBloque();

    int filas() const override { return m_filas; }
    QStringList cabeceras() const override;
    QString texto(int fila, int columna) const override;
    QColor color(int fila, int columna) const override;

    // What a bet row shows: its six numbers, which of them won, and its prize category.
    struct Apuesta {
        std::array<int16_t, 6> numeros{};
        uint8_t ganadores = 0; // bit k: slot k is a winning number
        int aciertos = 0;
        int categoria = 0; // 0, 3..7
    };
    // Checks bet b of a peña against a draw.
    Apuesta comprobar(int pena, int b, int sorteo) const;
    // The check's inner loop: the bets of a peña with 3 or more hits in a draw, counted into
    // `cuenta` and written to `premiadas` (room for every bet); returns how many.
    int contar(int pena, int sorteo, cuentaapuestas::PorAciertos& cuenta, uint8_t* premiadas) const {
        const PenaFoto& p = m_penas[static_cast<size_t>(pena)];
        const SorteoFoto& s = m_sorteos[static_cast<size_t>(sorteo)];
        return cuentaapuestas::contar({p.mascaras.data(), p.porNumero.data()}, s.ganadores, s.complementario, cuenta,
                                      premiadas);
    }
    int apuestas(int pena) const { return int(m_penas[static_cast<size_t>(pena)].mascaras.size()); }
    QString nombre(int pena) const;

  private:
    struct PenaFoto {
        QString nombre;
        std::vector<std::array<int16_t, 6>> numeros;
        std::vector<uint64_t> mascaras;
        std::array<uint64_t, 50 * cuentaapuestas::kPalabras> porNumero; // as cuentaapuestas reads them
    };
    struct SorteoFoto {
        double fecha;
        uint64_t ganadores;
        uint64_t complementario;
    };
    struct Bloque {
        int primeraFila;
        int pena;
        int sorteo;
        int desde;    // first entry of m_elegidas
        int apuestas; // bet rows
        bool todas;   // the rows are bets 0, 1, 2... and hold no entry of m_elegidas
    };
    const Bloque* bloqueDe(int fila) const;
    // The bet (from 0) shown on a bet row of a block.
    int apuestaDe(const Bloque& k, int fila) const;
    // Each number drawn counts once, also in a bet that repeats a number.
    static int categoriaDe(uint64_t apuesta, const SorteoFoto& s);

    std::vector<PenaFoto> m_penas;
    std::vector<SorteoFoto> m_sorteos;
    std::vector<Bloque> m_bloques;
    std::vector<uint8_t> m_elegidas; // bet numbers of the blocks that show some bets, in row order
    int m_filas = 0;
};
