#include "checking/CuentaApuestas.h"

namespace cuentaapuestas {

namespace {

// The loop itself, compiled twice: for any x86-64 and for processors with POPCNT, where
// __builtin_popcountll becomes one instruction instead of a library call.
//
// Few bets win, so the hits are first added for 64 bets at a time: the sets of bets holding
// each winning number go through a counter kept as three bit planes (ones, twos, fours),
// which gives the set of bets with 3 or more hits. Only those bets are then looked at one
// by one.
[[gnu::always_inline]] inline int contarCon(const Apuestas& a, uint64_t ganadores, uint64_t complementario,
                                            PorAciertos& cuenta, uint8_t* premiadas) {
    int numeros[6];
    int cuantos = 0;
    for (uint64_t g = ganadores; g != 0 && cuantos < 6; g &= g - 1)
        numeros[cuantos++] = __builtin_ctzll(g);
    int escritas = 0;
    for (int w = 0; w < kPalabras; ++w) {
        uint64_t unos = 0, doses = 0, cuatros = 0;
        for (int i = 0; i < cuantos; ++i) {
            const uint64_t x = a.porNumero[numeros[i] * kPalabras + w];
            const uint64_t lleva1 = unos & x;
            unos ^= x;
            cuatros |= doses & lleva1;
            doses ^= lleva1;
        }
        for (uint64_t tres = cuatros | (doses & unos); tres != 0; tres &= tres - 1) {
            const int b = w * 64 + __builtin_ctzll(tres);
            const uint64_t m = a.mascaras[b];
            ++cuenta[static_cast<std::size_t>(__builtin_popcountll(m & ganadores) * 2 + ((m & complementario) != 0))];
            premiadas[escritas++] = static_cast<uint8_t>(b);
        }
    }
    return escritas;
}

int contarBase(const Apuestas& a, uint64_t ganadores, uint64_t complementario, PorAciertos& cuenta,
               uint8_t* premiadas) {
    return contarCon(a, ganadores, complementario, cuenta, premiadas);
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("popcnt"))) int contarPopcnt(const Apuestas& a, uint64_t ganadores, uint64_t complementario,
                                                   PorAciertos& cuenta, uint8_t* premiadas) {
    return contarCon(a, ganadores, complementario, cuenta, premiadas);
}

using Funcion = int (*)(const Apuestas&, uint64_t, uint64_t, PorAciertos&, uint8_t*);
Funcion elegir() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt") ? contarPopcnt : contarBase;
}
#endif

} // namespace

int contar(const Apuestas& a, uint64_t ganadores, uint64_t complementario, PorAciertos& cuenta, uint8_t* premiadas) {
#if defined(__x86_64__) || defined(__i386__)
    static const Funcion f = elegir();
    return f(a, ganadores, complementario, cuenta, premiadas);
#else
    return contarBase(a, ganadores, complementario, cuenta, premiadas);
#endif
}

} // namespace cuentaapuestas
