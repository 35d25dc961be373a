#pragma once

#include <QWidget>

class EnlaceFiltros;
class QCheckBox;
class QLabel;
class QSlider;
class SeleccionEstadisticas;

// Step 1 of the combination wizard: the twins of the Estadísticas tab's weekday and period
// boxes and slider, and the two summaries of the stored selection.
class FiltrosPaso1 final : public QWidget {
    Q_OBJECT
  public:
    FiltrosPaso1(SeleccionEstadisticas& seleccion, QWidget* parent = nullptr);

    QCheckBox* check3(int caja) const;
    QSlider* slider1() const { return m_slider1; }
    QLabel* label21() const { return m_label21; }
    QLabel* label27() const { return m_label27; }
    // Unlocks or locks the boxes and the slider of this step; the lock holds while the
    // selection redraws the boxes.
    void habilita(bool si);

  private:
    void muestraResumen();

    SeleccionEstadisticas& m_seleccion;
    EnlaceFiltros* m_enlace;
    QSlider* m_slider1;
    QLabel* m_label21;
    QLabel* m_label27;
    bool m_habilitado = true;
};
