#pragma once

#include <QChartView>

class QPieSeries;

// A chart of draws or bets without and with prize.
class GraficoPremios : public QChartView {
    Q_OBJECT
  public:
    explicit GraficoPremios(const QString& nombre, QWidget* parent = nullptr);
    // The two values: without prize, with prize.
    void muestra(double sinPremio, double conPremio);
    double valor(int i) const;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    QPieSeries* m_serie;
};
