#include "penas/gui/GraficoPremios.h"

#include "platform/gui/Accesible.h"

#include <QChart>
#include <QLocale>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>

namespace {
// The two slices as a screen reader reads them: each one's count and share of the pie.
QString textoValores(double sinPremio, double conPremio) {
    const double total = sinPremio + conPremio;
    if (total <= 0)
        return QStringLiteral("Sin datos.");
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    const auto porcion = [&](const QString& nombre, double v) {
        return QStringLiteral("%1: %2 (%3 %)").arg(nombre, es.toString(v, 'f', 0), es.toString(100 * v / total, 'f', 1));
    };
    return porcion(QStringLiteral("Sin premio"), sinPremio) + QStringLiteral("; ") +
           porcion(QStringLiteral("con premio"), conPremio) + u'.';
}
} // namespace

GraficoPremios::GraficoPremios(const QString& nombre, QWidget* parent) : QChartView(parent) {
    marcarGrafico(this);
    setObjectName(nombre);
    m_serie = new QPieSeries(this);
    m_serie->append(QStringLiteral("Sin premio"), 1);
    m_serie->append(QStringLiteral("Con premio"), 0);
    m_serie->slices().at(0)->setColor(QColor(0xC0, 0xC0, 0xC0));
    m_serie->slices().at(1)->setColor(QColor(0x00, 0xC0, 0x00));
    // No outline: a slice of 0 would otherwise show as a white line across the pie.
    for (QPieSlice* slice : m_serie->slices())
        slice->setPen(Qt::NoPen);
    auto* grafico = new QChart;
    grafico->addSeries(m_serie);
    grafico->legend()->setAlignment(Qt::AlignRight);
    grafico->setMargins(QMargins(0, 0, 0, 0));
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(250, 90);
    // Only a picture: no stop for the keyboard.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleDescription(textoValores(0, 0));
}

void GraficoPremios::muestra(double sinPremio, double conPremio) {
    setAccessibleDescription(textoValores(sinPremio, conPremio));
    // Nothing to show (no draw, no prize): a grey pie, as a chart of zeros would be drawn
    // as one whole slice of whichever colour came last.
    if (sinPremio <= 0 && conPremio <= 0)
        sinPremio = 1;
    m_serie->slices().at(0)->setValue(sinPremio);
    m_serie->slices().at(1)->setValue(conPremio);
}

// The legend goes beside a wide chart and under a narrow one, so its words are never cut.
void GraficoPremios::resizeEvent(QResizeEvent* e) {
    const Qt::Alignment lado = width() >= 2 * height() ? Qt::AlignRight : Qt::AlignBottom;
    if (chart()->legend()->alignment() != lado)
        chart()->legend()->setAlignment(lado);
    QChartView::resizeEvent(e);
}

double GraficoPremios::valor(int i) const {
    return m_serie->slices().at(i)->value();
}
