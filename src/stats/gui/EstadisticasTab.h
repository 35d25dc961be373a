#pragma once

#include "core/MantenimientoSorteos.h"

#include <QWidget>

class EnlaceFiltros;
class GraficaFrecuencias;
class ModeloSorteos;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;
class QTreeView;
class SeleccionEstadisticas;
struct Session;

// The "Estadísticas" tab: the filters of the draws, the list of the draws they select, the
// chart of how often each number came out, and the upkeep of the draws file.
class EstadisticasTab final : public QWidget {
    Q_OBJECT
  public:
    EstadisticasTab(Session& s, SeleccionEstadisticas& seleccion, QWidget* parent = nullptr);

    // What the main window does around the draws file upkeep.
    MantenimientoSorteos& mantenimiento() { return m_mantenimiento; }

    QCheckBox* check3(int caja) const;
    QSlider* slider1() const { return m_slider1; }
    QGroupBox* frame5() const { return m_frame5; }
    QLabel* label7() const { return m_label7; }
    QTreeView* listView3() const { return m_listView3; }
    ModeloSorteos* modelo() const { return m_modelo; }
    GraficaFrecuencias* msChart1() const { return m_msChart1; }
    QScrollBar* hScroll2() const { return m_hScroll2; }

  public slots:
    void Command5_Click(); // "Borrar todos los sorteos"
    void Command8_Click(); // "Añadir todos los sorteos"
    // Shows the chart page that HScroll2 chooses.
    void HScroll2_Change();
    // A click on row `fila` of the draws list.
    void ListView3_ItemClick(int fila);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void muestraEstadisticas();
    void muestraLeyenda();

    SeleccionEstadisticas& m_seleccion;
    MantenimientoSorteos m_mantenimiento;
    EnlaceFiltros* m_enlace;
    QSlider* m_slider1;
    QGroupBox* m_frame5;
    QLabel* m_label7;
    QTreeView* m_listView3;
    ModeloSorteos* m_modelo;
    GraficaFrecuencias* m_msChart1;
    QScrollBar* m_hScroll2;
};
