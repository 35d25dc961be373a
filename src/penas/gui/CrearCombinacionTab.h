#pragma once

#include "penas/gui/VentanasPenas.h"

#include <QList>
#include <QWidget>

class QGroupBox;
class QPushButton;
struct Session;

// The "Crear combinación" tab: the choice between manual and automatic creation, and the
// frames of the automatic wizard's three steps.
class CrearCombinacionTab : public QWidget {
    Q_OBJECT
  public:
    CrearCombinacionTab(Session& s, VentanasPenas ventanas, QWidget* parent = nullptr);

    void Command4_Click(); // "Manual"
    void Command9_Click(); // "Automática"
    // Leaving the tab shows the introduction again.
    void restauraIntroduccion();

    // The wizard's step frames: "Paso 1", "Paso 2", "Paso 3".
    QGroupBox* frame12() const { return m_frame12; }
    QGroupBox* frame6() const { return m_frame6; }
    QGroupBox* frame7() const { return m_frame7; }

  private:
    Session& m_s;
    VentanasPenas m_ventanas;
    QList<QWidget*> m_introduccion;
    QGroupBox* m_frame12;
    QGroupBox* m_frame6;
    QGroupBox* m_frame7;
};
