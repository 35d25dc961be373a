#include "checking/ListaSencillas.h"

#include "checking/Premios.h"
#include "checking/TextoSorteo.h"
#include "core/Records.h"

#include <algorithm>
#include <bit>

static_assert(RegPena::kMaxApuestas <= 64 * cuentaapuestas::kPalabras);

int ListaSencillas::agregarPena(const RegPena& p) {
    PenaFoto f;
    f.nombre = p.nombre;
    f.porNumero.fill(0);
    const int n = std::clamp<int>(p.numApuestas, 0, RegPena::kMaxApuestas);
    f.numeros.resize(static_cast<size_t>(n));
    f.mascaras.resize(static_cast<size_t>(n));
    for (int b = 0; b < n; ++b) {
        uint64_t m = 0;
        for (int k = 0; k < 6; ++k) {
            const int16_t v = p.apuestas[static_cast<size_t>(b)][static_cast<size_t>(k)];
            f.numeros[static_cast<size_t>(b)][static_cast<size_t>(k)] = v;
            m |= premios::bit(v);
            if (premios::bit(v))
                f.porNumero[static_cast<size_t>(v * cuentaapuestas::kPalabras + b / 64)] |= uint64_t(1) << (b % 64);
        }
        f.mascaras[static_cast<size_t>(b)] = m;
    }
    m_penas.push_back(std::move(f));
    return int(m_penas.size()) - 1;
}

int ListaSencillas::agregarSorteo(const RegSorteo& s) {
    m_sorteos.push_back({s.fecha, premios::mascaraGanadores(s), premios::bit(s.bolas[6])});
    return int(m_sorteos.size()) - 1;
}

QString ListaSencillas::nombre(int pena) const {
    return m_penas[static_cast<size_t>(pena)].nombre;
}

ListaSencillas::Apuesta ListaSencillas::comprobar(int pena, int b, int sorteo) const {
    const PenaFoto& p = m_penas[static_cast<size_t>(pena)];
    const SorteoFoto& s = m_sorteos[static_cast<size_t>(sorteo)];
    Apuesta a;
    a.numeros = p.numeros[static_cast<size_t>(b)];
    for (int k = 0; k < 6; ++k)
        if (premios::bit(a.numeros[static_cast<size_t>(k)]) & s.ganadores)
            a.ganadores |= uint8_t(1u << k);
    const uint64_t m = p.mascaras[static_cast<size_t>(b)];
    a.aciertos = std::popcount(m & s.ganadores);
    a.categoria = categoriaDe(m, s);
    return a;
}

int ListaSencillas::categoriaDe(uint64_t apuesta, const SorteoFoto& s) {
    return premios::categoriaSencilla(std::popcount(apuesta & s.ganadores),
                                      (apuesta & s.complementario) != 0);
}

void ListaSencillas::abrirBloque(int pena, int sorteo) {
    m_bloques.push_back({m_filas, pena, sorteo, int(m_elegidas.size()), 0, false});
    m_filas += 3;
}

void ListaSencillas::agregarTodas() {
    Bloque& k = m_bloques.back();
    k.todas = true;
    k.apuestas = apuestas(k.pena);
    m_filas += k.apuestas;
}

void ListaSencillas::agregarApuestas(const uint8_t* apuestas, int n) {
    m_elegidas.insert(m_elegidas.end(), apuestas, apuestas + n);
    m_bloques.back().apuestas += n;
    m_filas += n;
}

int ListaSencillas::apuestaDe(const Bloque& k, int fila) const {
    const int r = fila - k.primeraFila - 3;
    return k.todas ? r : m_elegidas[static_cast<size_t>(k.desde + r)];
}

void ListaSencillas::quitarBloque() {
    const Bloque& k = m_bloques.back();
    m_elegidas.resize(static_cast<size_t>(k.desde));
    m_filas = k.primeraFila;
    m_bloques.pop_back();
}

QStringList ListaSencillas::cabeceras() const {
    // The narrow first column holds no number; each number stands under its own position.
    return {QString(),           QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
            QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("Comentario")};
}

const ListaSencillas::Bloque* ListaSencillas::bloqueDe(int fila) const {
    if (fila < 0 || fila >= m_filas)
        return nullptr;
    auto it = std::upper_bound(m_bloques.begin(), m_bloques.end(), fila,
                               [](int f, const Bloque& k) { return f < k.primeraFila; });
    return &*(it - 1);
}

QString ListaSencillas::texto(int fila, int columna) const {
    const Bloque* k = bloqueDe(fila);
    if (!k || columna < 1 || columna >= kColumnas)
        return {};
    const int r = fila - k->primeraFila;
    const bool comentario = columna == kColumnas - 1;
    if (r == 0)
        return {};
    if (r == 1)
        return comentario ? QStringLiteral("PEÑA ") + m_penas[static_cast<size_t>(k->pena)].nombre
                          : QString();
    if (r == 2)
        return comentario ? textosorteo::lineaFecha(m_sorteos[static_cast<size_t>(k->sorteo)].fecha)
                          : QString();
    const Apuesta a = comprobar(k->pena, apuestaDe(*k, fila), k->sorteo);
    if (comentario)
        return premios::mensajeSencilla(a.categoria);
    return QString::number(a.numeros[static_cast<size_t>(columna - 1)]);
}

QColor ListaSencillas::color(int fila, int columna) const {
    const Bloque* k = bloqueDe(fila);
    if (!k || columna < 1 || columna >= kColumnas)
        return {};
    const int r = fila - k->primeraFila;
    const bool comentario = columna == kColumnas - 1;
    if (r == 0 || (r < 3 && !comentario))
        return {};
    if (r == 1)
        return premios::colorBGR(premios::kCabecera);
    if (r == 2)
        return premios::colorBGR(premios::kFechaSorteo);
    const Apuesta a = comprobar(k->pena, apuestaDe(*k, fila), k->sorteo);
    if (comentario)
        return a.categoria ? premios::colorBGR(premios::colorCategoria(a.categoria)) : QColor();
    return (a.ganadores >> (columna - 1)) & 1 ? premios::colorBGR(premios::kRojo) : QColor();
}
