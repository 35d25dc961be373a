#include "stats/FiltrosEstadisticas.h"

#include "core/OleDate.h"

#include <algorithm>

namespace {

// Each box's twin on the other tab; "Comparativa" has none.
int gemela(int caja) {
    using F = FiltrosEstadisticas;
    switch (caja) {
    case F::Jueves:
        return F::JuevesPaso1;
    case F::JuevesPaso1:
        return F::Jueves;
    case F::Sabado:
        return F::SabadoPaso1;
    case F::SabadoPaso1:
        return F::Sabado;
    case F::Todos:
        return F::TodosPaso1;
    case F::TodosPaso1:
        return F::Todos;
    case F::UltimoMes:
        return F::UltimoMesPaso1;
    case F::UltimoMesPaso1:
        return F::UltimoMes;
    case F::Lunes:
        return F::LunesPaso1;
    case F::LunesPaso1:
        return F::Lunes;
    default:
        return -1;
    }
}

} // namespace

FiltrosEstadisticas::FiltrosEstadisticas() {
    m_habilitada.fill(true);
    for (int c : {Lunes, Jueves, Sabado, Todos, LunesPaso1, JuevesPaso1, SabadoPaso1, TodosPaso1})
        pon(c, true);
}

int FiltrosEstadisticas::click(int caja, bool valor) {
    if (valida(caja)) {
        pon(caja, valor);
        const bool comparativa = marcada(Comparativa);
        for (int c : {Lunes, Jueves, Sabado}) {
            if (comparativa)
                pon(c, true);
            m_habilitada[static_cast<size_t>(c)] = !comparativa;
        }
        m_leyenda = comparativa;

        const int otra = gemela(caja);
        if (otra >= 0)
            pon(otra, valor);
        if (caja == Todos || caja == TodosPaso1) {
            pon(UltimoMes, !valor);
            pon(UltimoMesPaso1, !valor);
        } else if (caja == UltimoMes || caja == UltimoMesPaso1) {
            pon(Todos, !valor);
            pon(TodosPaso1, !valor);
        }
        // The wizard's weekday boxes always show what the counts are made of, also after
        // "Comparativa" ticked the tab's own.
        for (int c : {Lunes, Jueves, Sabado})
            pon(gemela(c), marcada(c));
    }
    return marcada(Todos) ? 0 : 1;
}

void FiltrosEstadisticas::periodo(int modo) {
    m_barras = modo == 1;
    if (modo == 0)
        pon(TodosPaso1, marcada(Todos));
    else if (modo == 1)
        pon(UltimoMesPaso1, marcada(UltimoMes));
}

void FiltrosEstadisticas::fijaMeses(int meses) {
    m_meses = std::clamp(meses, 1, m_maximo);
}

void FiltrosEstadisticas::fijaMaximo(int maximo) {
    m_maximo = std::max(maximo, 1);
    m_meses = std::min(m_meses, m_maximo);
}

QString FiltrosEstadisticas::captionUltimoMes() const {
    return m_meses >= 2 ? QStringLiteral("Últimos %1 meses").arg(m_meses) : QStringLiteral("Último mes");
}

DiasElegidos FiltrosEstadisticas::dias() const {
    return {marcada(Lunes), marcada(Jueves), marcada(Sabado)};
}

double FiltrosEstadisticas::desde(const QDate& hoy) const {
    return marcada(Todos) ? 0.0 : oledate::fromQDate(hoy) - m_meses * 30.5;
}

QString FiltrosEstadisticas::textoPeriodo() const {
    if (marcada(Todos))
        return QStringLiteral("todos los sorteos. Desde el ");
    if (m_meses == 1)
        return QStringLiteral("sólo el último mes de sorteos, desde el ");
    return QStringLiteral("los últimos %1 meses de sorteos, desde el ").arg(m_meses);
}

namespace {

struct TextosDias {
    QString descripcion;
    QString diasajugar;
};

TextosDias textosDias(bool l, bool j, bool s) {
    if (l && j && s)
        return {QStringLiteral("tanto los números de los sorteos del LUNES, JUEVES, como los del SÁBADO."),
                QStringLiteral("Lunes, Jueves y sábado.")};
    if (l && s)
        return {QStringLiteral("sólo los números de los sorteos del LUNES y SÁBADO."),
                QStringLiteral("Lunes y Sábado.")};
    if (l && j)
        return {QStringLiteral("sólo los números de los sorteos del LUNES y JUEVES."),
                QStringLiteral("Lunes y Jueves.")};
    if (j && s)
        return {QStringLiteral("sólo los números de los sorteos del JUEVES y SÁBADO."),
                QStringLiteral("Jueves y Sábado.")};
    if (s)
        return {QStringLiteral("sólo los números de los sorteos del SÁBADO."), QStringLiteral("Sábado.")};
    if (j)
        return {QStringLiteral("sólo los números de los sorteos del JUEVES."), QStringLiteral("Jueves.")};
    if (l)
        return {QStringLiteral("sólo los números de los sorteos del LUNES."), QStringLiteral("Lunes.")};
    return {QStringLiteral("0 días de la semana."), QString()};
}

} // namespace

QString FiltrosEstadisticas::descripcionDias() const {
    return textosDias(marcada(Lunes), marcada(Jueves), marcada(Sabado)).descripcion;
}

QString FiltrosEstadisticas::diasajugar() const {
    return textosDias(marcada(Lunes), marcada(Jueves), marcada(Sabado)).diasajugar;
}
