#pragma once

#include <QObject>
#include <QVector>
#include <utility>

class QCheckBox;
class QSlider;
class QWidget;
class SeleccionEstadisticas;

// Makes filter boxes and a period slider for one tab, passes the user's changes to the
// selection and keeps the controls showing what the selection holds.
class EnlaceFiltros final : public QObject {
    Q_OBJECT
  public:
    EnlaceFiltros(SeleccionEstadisticas& seleccion, QObject* parent = nullptr);

    // The box with the program's number `caja` ("Check3_<caja>").
    QCheckBox* caja(int caja, const QString& texto, QWidget* parent);
    // The period slider with the program's number `indice` ("Slider1_<indice>").
    QSlider* barra(int indice, QWidget* parent);
    // Brings every control made here in line with the selection.
    void sincroniza();

  private:
    SeleccionEstadisticas& m_seleccion;
    QVector<std::pair<int, QCheckBox*>> m_cajas;
    QVector<QSlider*> m_barras;
};
