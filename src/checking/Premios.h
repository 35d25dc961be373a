#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

struct RegSorteo;

// Prize rules shared by both results lists: hits, categories, messages and colours.
namespace premios {

// Colours of the results lists, as blue-green-red values.
constexpr uint32_t kRojo = 0x0000FF;        // a winning number
constexpr uint32_t kCabecera = 0x000080;    // "PEÑA ..." rows
constexpr uint32_t kFechaSorteo = 0x008000; // date and weekday rows

QColor colorBGR(uint32_t bgr);
// Colour of a prize category: 3..6 hits, 7 for 5 hits and the complementario.
uint32_t colorCategoria(int categoria);

// Bit n set for each number n of 1..49; anything else (0, negative, above 49) never hits.
inline uint64_t bit(int n) {
    return n >= 1 && n <= 49 ? uint64_t(1) << n : 0;
}
// The six winning numbers of a draw.
uint64_t mascaraGanadores(const RegSorteo& s);

// Category of a simple bet: 0 without prize, 3, 4, 6 by hits, 5 or 7 (complementario).
int categoriaSencilla(int aciertos, bool complementario);
QString mensajeSencilla(int categoria);

// One row of the breakdown of a multiple bet: `cuantas` simple bets of a category.
struct LineaPremio {
    uint8_t categoria = 0; // 3..7, 0 when the row holds no message
    bool singular = false; // "apuesta" instead of "apuestas"
    uint16_t cuantas = 0;
};

// The rows of a multiple bet's breakdown, in the order 3, 4, 5, 5 + C, 6.
struct Desglose {
    std::array<LineaPremio, 5> lineas{};
    int numLineas = 0;
    bool filaFinal = false; // a blank row closes the breakdown (five numbers against the rest)
};

// How many of the simple bets covered by a multiple code win in each category, given the
// hits of the draw among its numbers and whether the complementario is among them.
Desglose desgloseMultiple(int codigo, int aciertos, bool concomp);
QString mensajeMultiple(const LineaPremio& l);

// True when a multiple bet has a prize: 3 hits, or 2 among the five numbers of code 503.
bool hayPremioMultiple(int codigo, int aciertos);

// Adds to a 16-bit counter, stopping at the ends of its range.
void sumar(int16_t& contador, int cuanto);

} // namespace premios
