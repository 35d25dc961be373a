#include "stats/SeleccionEstadisticas.h"

#include "core/OleDate.h"
#include "core/Session.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "stats/AvisoBase.h"
#include "stats/BaseInforme.h"
#include "stats/InformeSeleccion.h"

#include <QDebug>

namespace {

QDate fechaDe(double f) {
    return f == 0 ? QDate() : oledate::toQDate(f);
}

QString textoFecha(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

} // namespace

SeleccionEstadisticas::SeleccionEstadisticas(Session& s, QObject* parent) : QObject(parent), m_s(s) {}

QString SeleccionEstadisticas::label7() const {
    return QStringLiteral("TOTAL: %1 sorteos.").arg(m_estadisticas.sorteossel);
}

void SeleccionEstadisticas::Check3_Click(int caja, bool valor) {
    if (m_ocupado != 0)
        return;
    m_ocupado = 1;
    periodo(m_filtros.click(caja, valor));
}

void SeleccionEstadisticas::Slider1_Change(int meses) {
    m_filtros.fijaMeses(meses);
    // The counts follow the boxes shown: under "Todos" a change of the hidden sliders
    // (a new month setting) leaves the period as it is.
    estadisticasSeleccion();
    guardaSeleccion();
}

void SeleccionEstadisticas::fijaMaximoMeses(int meses) {
    const int antes = m_filtros.meses();
    m_filtros.fijaMaximo(meses);
    // A lower limit moves the sliders, which counts again as a move by the user does.
    if (m_filtros.meses() != antes)
        Slider1_Change(m_filtros.meses());
    else
        emit seleccionCambiada();
}

void SeleccionEstadisticas::periodo(int modo) {
    m_filtros.periodo(modo);
    // The boxes chose the mode: "Todos" (0) counts every draw, otherwise the sliders' months.
    estadisticasSeleccion();
    guardaSeleccion();
}

void SeleccionEstadisticas::estadisticasSeleccion() {
    estadisticas(m_filtros.desde(m_s.clock.today()));
}

void SeleccionEstadisticas::estadisticas(double desde) {
    m_estadisticas = calculaEstadisticas(m_s.files.numeros, m_s.sigSorteo, m_filtros.dias(), desde);
    if (m_estadisticas.hayFechas)
        m_fechasSel = m_estadisticas.fechasSel;
    if (m_estadisticas.hayUltimo) {
        m_errorFrase = informeseleccion::escribeFrase(m_s.ruta(QString::fromLatin1(BaseInforme::kArchivo)),
                                                      m_estadisticas.frase);
        // Storing the selection right after tells the user of a database that cannot be written.
        if (m_errorFrase != 0)
            qWarning() << "No se pudo escribir el último sorteo en la base de informes:" << m_errorFrase;
    }
    emit calculadas();
}

void SeleccionEstadisticas::guardaSeleccion() {
    m_ocupado = 0;
    QDate dia1 = fechaDe(m_fechasSel[1]);
    QDate dia2 = fechaDe(m_fechasSel[0]);
    const informeseleccion::Guardado g =
        informeseleccion::guardaSorteos(m_s.ruta(QString::fromLatin1(BaseInforme::kArchivo)), dia1, dia2,
                                        m_estadisticas.sorteossel, m_filtros.diasajugar());
    if (g.error == 0) {
        dia1 = g.dia1;
        dia2 = g.dia2;
    }
    m_label21 = QStringLiteral("-Tiene seleccionados ") + m_filtros.textoPeriodo() + textoFecha(dia1) +
                QStringLiteral(" al ") + textoFecha(dia2) +
                QStringLiteral(", en total, %1 sorteos en la base de datos.").arg(m_estadisticas.sorteossel);
    m_label27 = m_estadisticas.sorteossel > 0
                    ? QStringLiteral("-Ha seleccionado ") + m_filtros.descripcionDias()
                    : QStringLiteral("¡¡Con 0 sorteos seleccionados no es posible continuar!!");
    emit seleccionCambiada();
    // The newest draw was written just before, by the same computation.
    const int error = g.error != 0 ? g.error : m_errorFrase;
    if (error != 0 && error != m_s.errorBaseAvisado)
        avisaErrorBase(m_s.dialogs, m_s.ruta(QString::fromLatin1(BaseInforme::kArchivo)), error);
    m_s.errorBaseAvisado = error;
}
