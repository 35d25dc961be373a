#include "checking/ListaMultiples.h"

#include "checking/TextoSorteo.h"
#include "core/Records.h"
#include "core/SharedRoutines.h"

#include <bit>

int ListaMultiples::agregarPena(const RegPena& p) {
    PenaFoto f{p.nombre, 0, {}};
    // Only the six known codes say how many numbers the bet holds; any other value
    // stored there shows an empty bet.
    if (p.numApuestas >= 501 && p.numApuestas <= 506)
        f.cuantos = cuantos(p.numApuestas);
    for (int j = 0; j < f.cuantos; ++j)
        f.numeros[static_cast<size_t>(j)] = p.apuestas[0][static_cast<size_t>(j)];
    m_penas.push_back(f);
    return int(m_penas.size()) - 1;
}

int ListaMultiples::agregarSorteo(const RegSorteo& s) {
    m_sorteos.push_back(s);
    return int(m_sorteos.size()) - 1;
}

void ListaMultiples::abrirGrupo(int pena, int sorteo) {
    m_grupos.push_back({pena, sorteo});
}

void ListaMultiples::agregarFila(Tipo t) {
    m_filas.push_back({uint32_t(m_grupos.size() - 1), t, 0, false, 0});
}

void ListaMultiples::quitarUltimaFila() {
    if (!m_filas.empty())
        m_filas.pop_back();
}

void ListaMultiples::ponerPremio(int fila, const premios::LineaPremio& l) {
    if (fila < 0 || fila >= filas())
        return;
    Fila& f = m_filas[static_cast<size_t>(fila)];
    f.categoria = l.categoria;
    f.singular = l.singular;
    f.cuantas = l.cuantas;
}

ListaMultiples::Apuesta ListaMultiples::comprobar(int pena, int sorteo) const {
    const PenaFoto& p = m_penas[static_cast<size_t>(pena)];
    const RegSorteo& s = m_sorteos[static_cast<size_t>(sorteo)];
    const uint64_t ganadores = premios::mascaraGanadores(s);
    Apuesta a;
    a.cuantos = p.cuantos;
    a.numeros = p.numeros;
    uint64_t mascara = 0;
    for (int j = 0; j < p.cuantos; ++j) {
        const uint64_t b = premios::bit(p.numeros[static_cast<size_t>(j)]);
        if (b & ganadores)
            a.ganadores |= uint16_t(1u << j);
        mascara |= b;
    }
    // Each number drawn counts once, also in a bet that repeats a number.
    a.aciertos = std::popcount(mascara & ganadores);
    a.concomp = (mascara & premios::bit(s.bolas[6])) != 0;
    return a;
}

QStringList ListaMultiples::cabeceras() const {
    // The narrow first column holds no number; each number stands under its own position.
    QStringList c{QString()};
    for (int i = 1; i < kColumnas - 1; ++i)
        c << QString::number(i);
    return c << QStringLiteral("Comentario");
}

QString ListaMultiples::texto(int fila, int columna) const {
    if (fila < 0 || fila >= filas() || columna < 1 || columna >= kColumnas)
        return {};
    const Fila& f = m_filas[static_cast<size_t>(fila)];
    const Grupo& g = m_grupos[f.grupo];
    const bool comentario = columna == kColumnas - 1;
    switch (f.tipo) {
    case Tipo::Blanca:
        return {};
    case Tipo::Cabecera:
        return comentario ? QStringLiteral("PEÑA ") + m_penas[static_cast<size_t>(g.pena)].nombre : QString();
    case Tipo::Fecha:
        return comentario ? textosorteo::lineaFecha(m_sorteos[static_cast<size_t>(g.sorteo)].fecha)
                          : QString();
    case Tipo::Apuesta:
        if (!comentario) {
            const PenaFoto& p = m_penas[static_cast<size_t>(g.pena)];
            return columna <= p.cuantos ? QString::number(p.numeros[static_cast<size_t>(columna - 1)])
                                        : QString();
        }
        [[fallthrough]];
    case Tipo::Premio:
        return comentario ? premios::mensajeMultiple({f.categoria, f.singular, f.cuantas}) : QString();
    }
    return {};
}

QColor ListaMultiples::color(int fila, int columna) const {
    if (fila < 0 || fila >= filas() || columna < 1 || columna >= kColumnas)
        return {};
    const Fila& f = m_filas[static_cast<size_t>(fila)];
    const bool comentario = columna == kColumnas - 1;
    if (comentario) {
        switch (f.tipo) {
        case Tipo::Cabecera:
            return premios::colorBGR(premios::kCabecera);
        case Tipo::Fecha:
            return premios::colorBGR(premios::kFechaSorteo);
        case Tipo::Apuesta:
        case Tipo::Premio:
            return f.categoria ? premios::colorBGR(premios::colorCategoria(f.categoria)) : QColor();
        case Tipo::Blanca:
            return {};
        }
    }
    if (f.tipo != Tipo::Apuesta)
        return {};
    const Grupo& g = m_grupos[f.grupo];
    const Apuesta a = comprobar(g.pena, g.sorteo);
    return (a.ganadores >> (columna - 1)) & 1 ? premios::colorBGR(premios::kRojo) : QColor();
}
