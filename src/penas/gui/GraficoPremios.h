#pragma once

#include <QChartView>

class QPieSeries;

// A chart of draws or bets without and with prize.
class GraficoPremios : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoPremios(const QString& nombre, QWidget* parent = nullptr);
    // The two values: without prize, with prize; the pie is grey when both are 0.
    void muestra(double sinPremio, double conPremio);
    // The value of slice i (0: without prize, 1: with prize) as drawn.
    double valor(int i) const;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    QPieSeries* m_serie;
};
