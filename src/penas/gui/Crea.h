#pragma once

#include "penas/EditorPena.h"
#include "penas/gui/VentanasPenas.h"

#include <QCheckBox>
#include <QWidget>
#include <array>

class Etiqueta;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTreeWidget;
class QAbstractButton;
struct Session;

// One number of the ticket grid: shows the printed number and the mark when selected. A
// check box to the keyboard and to a screen reader: Space toggles it, the arrow keys move
// to the neighbouring number as the grid lays them out. Only the editor marks or clears it.
class CasillaNumero : public QCheckBox {
    Q_OBJECT
  public:
    CasillaNumero(int numero, QWidget* parent);
    void setMarcada(bool m) { setChecked(m); }
    bool marcada() const { return isChecked(); }
    QSize sizeHint() const override { return {30, 22}; }
    QSize minimumSizeHint() const override { return {26, 20}; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override {}

  private:
    int m_numero;
};

// The peña editor window: renders the editor's state and forwards the user's actions.
class Crea : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and loads it; null when the editor cannot start (the chosen
    // reduced table is damaged; the user was told).
    static Crea* crear(Session& s, const VentanasPenas& ventanas, std::function<double()> aleatorio = {});

    // Opens the editor on the values just handed over, as the chooser and the wizard do. An
    // editor that cannot close yet (bets not saved, a bet with a wrong count) keeps its
    // bets and comes to the front, and the user is told why nothing was handed over: a
    // second editor is never built. Null when no new editor was opened.
    static Crea* abre(Session& s, const VentanasPenas& ventanas);

    EditorPena& editor() { return m_editor; }

  protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    Crea(Session& s, const VentanasPenas& ventanas, std::function<double()> aleatorio);
    void pinta();
    void pintaEdicion();
    void cierraPorUsuario();

    Session& m_s;
    VentanasPenas m_ventanas;
    EditorPena m_editor;
    bool m_porUsuario = false;
    bool m_pintando = false;
    bool m_scrollPulsado = false; // a mouse button is held on the bet browser
    int m_movimientoPendiente = 0;

    QLineEdit* m_text1;
    std::array<QRadioButton*, 5> m_option{};
    std::array<CasillaNumero*, 49> m_image1{};
    QTreeWidget* m_listView5;
    QLabel* m_label3;
    QLabel* m_label4;
    QPushButton* m_command1;
    QPushButton* m_command2;
    QPushButton* m_command3;
    QPushButton* m_command4;
    QPushButton* m_command5;
    QLineEdit* m_text2;
    QScrollBar* m_hScroll1;
    QLabel* m_label6;
    QLabel* m_label7;
    QLabel* m_nota;
    QLabel* m_rotuloApuestas;
    int m_anchoColumna = 0;
    QStringList m_listaPintada;
};
