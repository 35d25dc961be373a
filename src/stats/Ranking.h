#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The ranking of the 49 numbers by how often they came out in the selected draws, as the
// wizard's step 2 builds it.
namespace ranking {

struct Fila {
    int numero = 0;
    int veces = 0;
};

// How often each number came out: element 0 is number 1.
using Veces = std::array<int, 49>;

// The 49 numbers by falling count; equal counts keep ascending number order.
std::array<Fila, 49> ordena(const Veces& veces);

// Ranks the numbers: `numerosAuto` receives all 49 in ranking order, and the table
// "Numeros" of the report database is left with the `n` most frequent (n is bounded to
// 0..49). Returns 0, or the database error; `numerosAuto` is filled either way.
int rankfrecu(const QString& rutaBase, const Veces& veces, int n, std::array<int16_t, 49>& numerosAuto);

} // namespace ranking
