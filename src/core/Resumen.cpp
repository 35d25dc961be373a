#include "core/Resumen.h"

#include "core/MantenimientoSorteos.h"
#include "core/OleDate.h"
#include "core/Session.h"
#include "core/SharedRoutines.h"
#include "core/VbText.h"
#include "platform/Clock.h"

#include <QList>

namespace {

struct DiasDePena {
    QString dias;
    double fecha;
};

QList<DiasDePena> leerDiasDePenas(RecordFile& apuestas) {
    QList<DiasDePena> out;
    for (qint64 p = 1;; ++p) {
        const RegPena pena = apuestas.get<RegPena>(p);
        if (apuestas.eof())
            break;
        if (!pena.danada()) // a damaged record plays no draw and weighs on no percentage
            out.append({pena.dias, pena.fecha});
    }
    return out;
}

} // namespace

ResumenVista resumen(Session& s) {
    ResumenVista v;
    RecordFile& numeros = s.files.numeros;

    // Each draw counts once, as soon as one peña plays on its day since its creation.
    const QList<DiasDePena> penas = leerDiasDePenas(s.files.apuestas);
    const qint64 total = numeros.count();
    s.sorteosjugados = 0;
    for (const RegSorteo& r : numeros.getAll<RegSorteo>()) {
        if (!MantenimientoSorteos::sorteoValido(r))
            continue;
        for (const DiasDePena& p : penas) {
            if (diaDeJuego(p.dias, p.fecha, r.fecha)) {
                ++s.sorteosjugados;
                break;
            }
        }
    }
    s.sigSorteo = static_cast<int>(qMin<qint64>(total, 32766)) + 1;
    s.sorteo = MantenimientoSorteos::ultimoValido(numeros);

    const qint64 ultimo = oledate::days(s.sorteo.fecha);
    if (ultimo == 0) {
        v.ultimaActualizacion = QStringLiteral("Fichero de datos vacío.");
        v.hayDatos = false;
    } else {
        v.ultimaActualizacion = vbtext::fechaLarga(s.sorteo.fecha);
        v.hayDatos = true;
    }

    v.barraHabilitada = s.sigSorteo != 1;
    v.barraMaximo = v.barraHabilitada ? s.sigSorteo - 1 : 1;

    const qint64 hoy = static_cast<qint64>(oledate::fromQDate(s.clock.today()));
    qint64 proximo = hoy == ultimo ? hoy + 1 : hoy;
    for (;;) {
        const QString dia = diasemana(double(proximo));
        if (dia == QStringLiteral("Lunes") || dia == QStringLiteral("Jueves") || dia == QStringLiteral("Sábado"))
            break;
        ++proximo;
    }
    v.proximoSorteo = vbtext::fechaLarga(double(proximo));
    const qint64 n = proximo - hoy;
    v.faltan = n == 0 ? QStringLiteral("¡Hoy sorteo!") : QStringLiteral("Faltan %1 días").arg(n);

    const qint64 d = hoy - ultimo;
    if (d <= 7) {
        v.recordatorio = false;
    } else if (d <= 15) {
        v.recordatorio = true;
        v.recordatorioTexto = QStringLiteral("Falta 1 semana por actualizar");
    } else if (ultimo == 0) {
        v.recordatorio = true;
        v.recordatorioTexto = QStringLiteral("No se ha actualizado nunca");
    } else {
        v.recordatorio = true;
        v.recordatorioTexto = QStringLiteral("Faltan %1 semanas por actualizar").arg(d / 7);
    }
    return v;
}
