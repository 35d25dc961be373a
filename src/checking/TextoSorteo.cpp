#include "checking/TextoSorteo.h"

#include "core/OleDate.h"
#include "core/Records.h"
#include "core/SharedRoutines.h"

namespace textosorteo {

QString fechaCorta(double fecha) {
    return oledate::toQDate(fecha).toString(QStringLiteral("dd/MM/yyyy"));
}

QString lineaFecha(double fecha) {
    return fechaCorta(fecha) + u' ' + diasemana(fecha);
}

QString numeros(const RegSorteo& s) {
    QString t;
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            t += u'-';
        t += QString::number(s.bolas[static_cast<size_t>(i)]);
    }
    return t + QStringLiteral("  C:") + QString::number(s.bolas[6]) + QStringLiteral("  R:") +
           QString::number(s.bolas[7]);
}

} // namespace textosorteo
