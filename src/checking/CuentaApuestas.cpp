#include "checking/CuentaApuestas.h"

namespace cuentaapuestas {

namespace {

// The loop itself, compiled twice: for any x86-64 and for processors with POPCNT, where
// __builtin_popcountll becomes one instruction instead of a library call.
[[gnu::always_inline]] inline int contarCon(const uint64_t* mascaras, int n, uint64_t ganadores,
                                            uint64_t complementario, PorAciertos& cuenta, uint8_t* premiadas) {
    int escritas = 0;
    for (int b = 0; b < n; ++b) {
        const uint64_t m = mascaras[b];
        const int aciertos = __builtin_popcountll(m & ganadores);
        if (aciertos >= 3) [[unlikely]] {
            ++cuenta[static_cast<std::size_t>(aciertos * 2 + ((m & complementario) != 0))];
            premiadas[escritas++] = static_cast<uint8_t>(b);
        }
    }
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
