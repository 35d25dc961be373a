#include "stats/gui/AsistenteImagenes.h"

#include <QPainter>
#include <QSvgRenderer>

static void cargarRecursos() {
    Q_INIT_RESOURCE(asistente);
}

namespace asistenteimagenes {

QMap<int, QString> rutas() {
    return {
        {3, QStringLiteral(":/asistente/informe-encima.svg")},
        {4, QStringLiteral(":/asistente/informe.svg")},
        {5, QStringLiteral(":/asistente/informe-apagado.svg")},
        {6, QStringLiteral(":/asistente/eleccion.svg")},
        {7, QStringLiteral(":/asistente/eleccion-encima.svg")},
        {8, QStringLiteral(":/asistente/eleccion-apagado.svg")},
        {9, QStringLiteral(":/asistente/volver.svg")},
        {10, QStringLiteral(":/asistente/volver-encima.svg")},
        {11, QStringLiteral(":/asistente/volver-apagado.svg")},
    };
}

QPixmap imagen(int numero, int lado) {
    cargarRecursos();
    QSvgRenderer svg(rutas().value(numero));
    if (!svg.isValid())
        return {};
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    svg.render(&pintor);
    return p;
}

} // namespace asistenteimagenes
