#include "checking/CuentaApuestas.h"

namespace cuentaapuestas {

namespace {

// The loop itself, compiled twice: for any x86-64 and for processors with POPCNT, where
// __builtin_popcountll becomes one instruction instead of a library call. Few bets win, so
// the bets go four at a time through one test of whether any of them has 3 hits.
[[gnu::always_inline]] inline int contarCon(const uint64_t* mascaras, int n, uint64_t ganadores,
                                            uint64_t complementario, PorAciertos& cuenta, uint8_t* premiadas) {
    int escritas = 0;
    auto anotar = [&](int b, int aciertos) {
        if (aciertos >= 3) {
            ++cuenta[static_cast<std::size_t>(aciertos * 2 + ((mascaras[b] & complementario) != 0))];
            premiadas[escritas++] = static_cast<uint8_t>(b);
        }
    };
    int b = 0;
    for (; b + 4 <= n; b += 4) {
        const int h0 = __builtin_popcountll(mascaras[b] & ganadores);
        const int h1 = __builtin_popcountll(mascaras[b + 1] & ganadores);
        const int h2 = __builtin_popcountll(mascaras[b + 2] & ganadores);
        const int h3 = __builtin_popcountll(mascaras[b + 3] & ganadores);
        if (((h0 >= 3) | (h1 >= 3) | (h2 >= 3) | (h3 >= 3))) [[unlikely]] {
            anotar(b, h0);
            anotar(b + 1, h1);
            anotar(b + 2, h2);
            anotar(b + 3, h3);
        }
    }
    for (; b < n; ++b)
        anotar(b, __builtin_popcountll(mascaras[b] & ganadores));
    return escritas;
}

int contarBase(const uint64_t* mascaras, int n, uint64_t ganadores, uint64_t complementario, PorAciertos& cuenta,
               uint8_t* premiadas) {
    return contarCon(mascaras, n, ganadores, complementario, cuenta, premiadas);
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("popcnt"))) int contarPopcnt(const uint64_t* mascaras, int n, uint64_t ganadores,
                                                   uint64_t complementario, PorAciertos& cuenta,
                                                   uint8_t* premiadas) {
    return contarCon(mascaras, n, ganadores, complementario, cuenta, premiadas);
}

using Funcion = int (*)(const uint64_t*, int, uint64_t, uint64_t, PorAciertos&, uint8_t*);
Funcion elegir() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt") ? contarPopcnt : contarBase;
}
#endif

} // namespace

int contar(const uint64_t* mascaras, int n, uint64_t ganadores, uint64_t complementario, PorAciertos& cuenta,
           uint8_t* premiadas) {
#if defined(__x86_64__) || defined(__i386__)
    static const Funcion f = elegir();
    return f(mascaras, n, ganadores, complementario, cuenta, premiadas);
#else
    return contarBase(mascaras, n, ganadores, complementario, cuenta, premiadas);
#endif
}

} // namespace cuentaapuestas
