#pragma once

#include "stats/Estadisticas.h"
#include "stats/FiltrosEstadisticas.h"

#include <QObject>
#include <QString>
#include <array>

struct Session;

// The statistics selection of the main window: the filter boxes and sliders of both tabs,
// the counts of the draws they select, and the stored summary of the selection. The
// Estadísticas tab and the wizard's step 1 show it and pass the user's changes to it.
class SeleccionEstadisticas : public QObject {
    Q_OBJECT
  public:
    explicit SeleccionEstadisticas(Session& s, QObject* parent = nullptr);

    const FiltrosEstadisticas& filtros() const { return m_filtros; }
    const Estadisticas& estadisticas() const { return m_estadisticas; }
    int sorteossel() const { return m_estadisticas.sorteossel; }
    // Newest and oldest date of the last selection that held a draw; 0 before any.
    const std::array<double, 2>& fechasSel() const { return m_fechasSel; }
    // How often each number 1..49 came out in the selected draws, in number order: what
    // the wizard ranks.
    std::array<int, 49> frecuencias() const { return m_estadisticas.frecuencias(); }

    QString label7() const;
    QString label21() const { return m_label21; }
    QString label27() const { return m_label27; }
    // 1 from a box click until the selection is stored.
    int ocupado() const { return m_ocupado; }

    // The user changed box `caja` to `valor`; ignored while a click is being handled.
    void Check3_Click(int caja, bool valor);
    // The user moved a period slider to `meses`; both sliders follow.
    void Slider1_Change(int meses);
    // The sliders' upper limit, from the month setting.
    void fijaMaximoMeses(int meses);

    // Runs the statistics from a date, or from the date the boxes and sliders choose.
    void estadisticas(double desde);
    void estadisticasSeleccion();
    void periodo(int modo);
    // Stores the selection in the report database and writes the step-1 summaries.
    void guardaSeleccion();

    // The last failure writing the newest draw to the report database; 0 when none.
    int errorFrase() const { return m_errorFrase; }

  signals:
    // New counts and list.
    void calculadas();
    // Boxes, sliders, captions or summaries changed.
    void seleccionCambiada();

  private:
    Session& m_s;
    FiltrosEstadisticas m_filtros;
    Estadisticas m_estadisticas;
    std::array<double, 2> m_fechasSel{};
    QString m_label21;
    QString m_label27;
    int m_ocupado = 0;
    int m_errorFrase = 0;
};
