#pragma once

#include "penas/TablasReducidas.h"
#include "penas/gui/VentanasPenas.h"

#include <QTimer>
#include <QWidget>
#include <array>

class Etiqueta;
class QComboBox;
class QLabel;
class QRadioButton;
struct Session;

// The bet-mode chooser: simple bets, one multiple bet or a reduced system, handed to the
// peña editor through codMultiple and tablaElegida.
class Creamenu : public QWidget {
    Q_OBJECT
  public:
    Creamenu(Session& s, VentanasPenas ventanas, QWidget* parent = nullptr);

    void Option1_Click(int indice);
    void Combo1_Click(int posicion);
    void llenacombo(int tipo);
    void Timer1_Timer();

    // The six multiple bets offered, in list order.
    static const QStringList& multiples();

    QTimer& timer1() { return m_timer1; }

  private:
    void abreEditor();

    Session& m_s;
    VentanasPenas m_ventanas;
    QComboBox* m_combo1;
    std::array<QRadioButton*, 3> m_option1{};
    std::array<QLabel*, 18> m_label1{};
    QTimer m_timer1;
    int m_etiqueta = 0;
    bool m_llenando = false;
};
