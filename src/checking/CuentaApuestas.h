#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The inner loop of the simple-bet check: one draw against the bets of one peña.
namespace cuentaapuestas {

// Words of a set of bets: one bit per bet, up to 256 bets.
constexpr int kPalabras = 4;

// Bets by hits (3 to 6) and by whether the complementario is among their numbers:
// element aciertos * 2 + complementario. Bets with fewer than 3 hits are not counted.
using PorAciertos = std::array<int, 14>;

// The bets of a peña as the loop reads them: `mascaras[b]` has bit k set for each number k
// of bet b; `porNumero[k * kPalabras + w]` has bit j set when bet 64 * w + j holds number k
// (k from 0 to 49).
struct Apuestas {
    const uint64_t* mascaras;
    const uint64_t* porNumero;
};

// Counts the bets with 3 or more of the (at most six) numbers of `ganadores` into `cuenta`
// (added to what it holds) and writes their positions, in order, to `premiadas` (room for
// every bet). Returns how many positions were written. Uses the processor's POPCNT
// instruction when it has one, chosen once per run of the program.
int contar(const Apuestas& a, uint64_t ganadores, uint64_t complementario, PorAciertos& cuenta, uint8_t* premiadas);

} // namespace cuentaapuestas
