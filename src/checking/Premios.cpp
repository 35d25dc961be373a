#include "checking/Premios.h"

#include "core/Records.h"

#include <algorithm>

namespace premios {

QColor colorBGR(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

uint32_t colorCategoria(int categoria) {
    switch (categoria) {
    case 3:
        return 0x00C000;
    case 4:
        return 0xFF0000;
    case 5:
        return 0x400040;
    case 6:
        return 0x0000FF;
    case 7:
        return 0x0040C0;
    default:
        return 0;
    }
}

uint64_t mascaraGanadores(const RegSorteo& s) {
    uint64_t m = 0;
    for (int i = 0; i < 6; ++i)
        m |= bit(s.bolas[static_cast<size_t>(i)]);
    return m;
}

int categoriaSencilla(int aciertos, bool complementario) {
    if (aciertos < 3)
        return 0;
    if (aciertos == 5 && complementario)
        return 7;
    return std::min(aciertos, 6);
}

QString mensajeSencilla(int categoria) {
    switch (categoria) {
    case 3:
    case 4:
    case 6:
        return QStringLiteral("¡¡ Premio !! Has acertado %1 números.").arg(categoria);
    case 5:
        return QStringLiteral("¡¡ Premio !! Has acertado 5 números.");
    case 7:
        return QStringLiteral("¡¡ Premio !! 5 + COMPLEMENTARIO");
    default:
        return {};
    }
}

namespace {

int comb(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return 0;
    int r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

void anadir(Desglose& d, int categoria, int cuantas, bool singular = false) {
    if (cuantas <= 0)
        return;
    d.lineas[static_cast<size_t>(d.numLineas++)] = {static_cast<uint8_t>(categoria), singular || cuantas == 1,
                                                    static_cast<uint16_t>(cuantas)};
}

} // namespace

bool hayPremioMultiple(int codigo, int aciertos) {
    return aciertos >= 3 || (codigo == 503 && aciertos == 2);
}

Desglose desgloseMultiple(int codigo, int aciertos, bool concomp) {
    Desglose d;
    if (codigo == 503) {
        d.filaFinal = true;
        switch (aciertos) {
        case 2:
            anadir(d, 3, 4);
            break;
        case 3:
            anadir(d, 3, 41);
            anadir(d, 4, 3);
            break;
        case 4:
            anadir(d, 4, 42);
            // This row has always read "2 apuesta" with the complementario.
            concomp ? anadir(d, 7, 2, true) : anadir(d, 5, 2);
            break;
        case 5:
            anadir(d, 5, 42);
            anadir(d, 7, 1);
            anadir(d, 6, 1);
            break;
        default:
            break;
        }
        return d;
    }
    int n = 0;
    switch (codigo) {
    case 501:
        n = 7;
        break;
    case 502:
        n = 8;
        break;
    case 504:
        n = 9;
        break;
    case 505:
        n = 10;
        break;
    case 506:
        n = 11;
        break;
    default:
        return d;
    }
    const int h = aciertos;
    if (h < 3 || h > 6)
        return d;
    anadir(d, 3, comb(h, 3) * comb(n - h, 3));
    anadir(d, 4, comb(h, 4) * comb(n - h, 2));
    if (h >= 5 && concomp) {
        // Of the bets joining five winning numbers with one more, those whose sixth number
        // is the complementario win the higher category. With exactly five hits that row
        // has always read "apuesta" whatever its count.
        anadir(d, 5, comb(h, 5) * (n - h - 1), h == 5);
        anadir(d, 7, comb(h, 5));
    } else {
        anadir(d, 5, comb(h, 5) * comb(n - h, 1));
    }
    anadir(d, 6, comb(h, 6));
    return d;
}

QString mensajeMultiple(const LineaPremio& l) {
    if (l.categoria == 0)
        return {};
    const QString cola = l.categoria == 7 ? QStringLiteral(" de 5 aciertos + C.")
                                          : QStringLiteral(" de %1 aciertos.").arg(l.categoria);
    return QStringLiteral("¡¡ Premio !! Tienes ") + QString::number(l.cuantas) +
           (l.singular ? QStringLiteral(" apuesta") : QStringLiteral(" apuestas")) + cola;
}

void sumar(int16_t& contador, int cuanto) {
    contador = static_cast<int16_t>(std::clamp(int(contador) + cuanto, -32768, 32767));
}

} // namespace premios
