#pragma once

#include "stats/Estadisticas.h"

#include <QChartView>
#include <QColor>
#include <array>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

// The frequency chart: one page of 25 numbers as bars, one series of counts or three
// series, one per weekday, in the colours of the legend.
class GraficaFrecuencias final : public QChartView {
    Q_OBJECT
  public:
    // The colours of the Lunes, Jueves and Sábado series.
    static const std::array<QColor, 3> kColores;

    explicit GraficaFrecuencias(QWidget* parent = nullptr);

    void muestra(const PaginaGrafica& pagina, bool comparativa);

    QBarSeries* serie() const { return m_serie; }

  private:
    QBarSeries* m_serie;
    QBarCategoryAxis* m_ejeX;
    QValueAxis* m_ejeY;
};
