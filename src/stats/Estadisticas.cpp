#include "stats/Estadisticas.h"

#include "core/OleDate.h"
#include "core/RecordFile.h"
#include "core/SharedRoutines.h"
#include "core/VbText.h"

#include <algorithm>

namespace {

// The weekday of a draw as the statistics count it; -1 for a day without draws.
int diaDe(double fecha) {
    const QString d = diasemana(fecha);
    if (d == QStringLiteral("Lunes"))
        return Estadisticas::Lunes;
    if (d == QStringLiteral("Jueves"))
        return Estadisticas::Jueves;
    if (d == QStringLiteral("Sábado"))
        return Estadisticas::Sabado;
    return -1;
}

bool elegido(int dia, const DiasElegidos& dias) {
    return (dia == Estadisticas::Lunes && dias.lunes) || (dia == Estadisticas::Jueves && dias.jueves) ||
           (dia == Estadisticas::Sabado && dias.sabado);
}

} // namespace

QString textoSorteo(const RegSorteo& s) {
    QString t;
    t.reserve(40);
    for (int i = 0; i < 5; ++i) {
        if (s.bolas[i] < 10)
            t += u' ';
        t += QString::number(s.bolas[i]) + u'-';
    }
    t += QString::number(s.bolas[5]);
    t += s.bolas[5] < 10 ? QStringLiteral("   C: ") : QStringLiteral("  C: ");
    t += QString::number(s.bolas[6]);
    if (s.bolas[6] < 10)
        t += u' ';
    t += QStringLiteral(" R: ") + (s.bolas[7] == -1 ? QStringLiteral("-") : QString::number(s.bolas[7]));
    return t;
}

QString textoJoker(const RegSorteo& s) {
    return s.numJoker == -1 ? QStringLiteral("-") : vbtext::cstr(s.numJoker);
}

QString textoFechaSorteo(const RegSorteo& s) {
    const QString dia = diasemana(s.fecha);
    return oledate::toQDate(s.fecha).toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("  ") + dia +
           (dia == QStringLiteral("Lunes") ? QStringLiteral(" ") : QString());
}

Estadisticas calculaEstadisticas(RecordFile& numeros, int sigSorteo, DiasElegidos dias, double desde) {
    Estadisticas e;
    const std::vector<RegSorteo> sorteos = numeros.getAll<RegSorteo>();
    const int ultimo = std::clamp(sigSorteo - 1, 0, static_cast<int>(sorteos.size()));
    e.filas.reserve(static_cast<size_t>(ultimo));
    for (int r = ultimo; r >= 1; --r) {
        const RegSorteo& s = sorteos[static_cast<size_t>(r - 1)];
        const int dia = diaDe(s.fecha);
        const bool seleccionado = elegido(dia, dias) && s.fecha >= desde;
        if (seleccionado) {
            ++e.sorteossel;
            for (int i = 0; i < 6; ++i) {
                const int n = s.bolas[i];
                if (n < 1 || n > 49)
                    continue;
                ++e.veces[n];
                ++e.vecesDia[n][dia];
            }
            if (e.sorteossel == 1)
                e.fechasSel[0] = s.fecha;
            e.fechasSel[1] = s.fecha;
            e.hayFechas = true;
            e.filas.push_back({r, s});
        }
        if (r == ultimo) {
            e.hayUltimo = true;
            e.frase = seleccionado ? textoSorteo(s) : QString();
        }
    }
    return e;
}

PaginaGrafica Estadisticas::datosGrafica(int cual) const {
    const bool segunda = cual == 2 || cual == 4;
    const bool porDia = cual == 3 || cual == 4;
    PaginaGrafica g;
    for (int r = 1; r <= 25; ++r) {
        const int n = segunda ? r + 24 : r;
        FilaGrafica& f = g[static_cast<size_t>(r - 1)];
        f.etiqueta = u' ' + QString::number(n);
        if (porDia)
            f.veces = vecesDia[static_cast<size_t>(n)];
        else
            f.veces[0] = veces[static_cast<size_t>(n)];
    }
    return g;
}

std::array<int, 49> Estadisticas::frecuencias() const {
    std::array<int, 49> f{};
    std::copy(veces.begin() + 1, veces.end(), f.begin());
    return f;
}
