#include "penas/gui/GraficoPremios.h"

#include <QChart>
#include <QPieSeries>
#include <QPieSlice>

GraficoPremios::GraficoPremios(const QString& nombre, QWidget* parent) : QChartView(parent) {
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
    setMinimumSize(160, 90);
    // Only a picture: no stop for the keyboard.
    setFocusPolicy(Qt::NoFocus);
}

void GraficoPremios::muestra(double sinPremio, double conPremio) {
    m_serie->slices().at(0)->setValue(sinPremio);
    m_serie->slices().at(1)->setValue(conPremio);
}

double GraficoPremios::valor(int i) const {
    return m_serie->slices().at(i)->value();
}
