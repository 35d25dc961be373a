#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The inner loop of the simple-bet check: one draw against a run of bets given as masks of
// their numbers (bit n for number n).
namespace cuentaapuestas {

// Bets by hits (3 to 6) and by whether the complementario is among their numbers:
// element aciertos * 2 + complementario. Bets with fewer than 3 hits are not counted.
using PorAciertos = std::array<int, 14>;

// Counts the bets of `mascaras[0..n)` with 3 or more hits of `ganadores` into `cuenta`
// (added to what it holds) and writes their positions, in order, to `premiadas` (room for
// n entries). Returns how many positions were written. Uses the processor's POPCNT
// instruction when it has one, chosen once per run of the program.
int contar(const uint64_t* mascaras, int n, uint64_t ganadores, uint64_t complementario, PorAciertos& cuenta,
           uint8_t* premiadas);

} // namespace cuentaapuestas
