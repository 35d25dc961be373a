#pragma once

#include "penas/EditorPena.h"
#include "penas/gui/VentanasPenas.h"

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

// One number of the ticket grid: shows the printed number and the mark when selected.
class CasillaNumero : public QWidget {
    Q_OBJECT
  public:
    CasillaNumero(int numero, QWidget* parent);
    void setMarcada(bool m);
    bool marcada() const { return m_marcada; }
    QSize sizeHint() const override { return {30, 22}; }
    QSize minimumSizeHint() const override { return {26, 20}; }
  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    int m_numero;
    bool m_marcada = false;
};

// The peña editor window: renders the editor's state and forwards the user's actions.
class Crea : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and loads it; null when the editor cannot start (the chosen
    // reduced table is damaged; the user was told).
    static Crea* crear(Session& s, const VentanasPenas& ventanas, std::function<double()> aleatorio = {});

    EditorPena& editor() { return m_editor; }

  protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

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
