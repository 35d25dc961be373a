#include "stats/Asistente.h"

namespace asistente {

int codigoMultiple(int n) {
    switch (n) {
    case 5:
        return 3;
    case 7:
        return 1;
    case 8:
        return 2;
    case 9:
        return 4;
    case 10:
        return 5;
    case 11:
        return 6;
    default:
        return 0;
    }
}

} // namespace asistente
