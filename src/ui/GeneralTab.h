#pragma once

#include <QTimer>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QVBoxLayout;
struct ResumenVista;

// The General tab: the status block with the summary of draws and the next draw, and the
// place of the results panel.
class GeneralTab : public QWidget {
    Q_OBJECT
  public:
    explicit GeneralTab(QWidget* parent = nullptr);

    // Shows a summary and starts or stops the reminder's blinking.
    void mostrarResumen(const ResumenVista& v);
    void Timer2_Timer();

    QLabel* label9(int i) const { return m_label9.at(static_cast<size_t>(i)); }
    QScrollBar* hScroll1() const { return m_hScroll1; }
    QLineEdit* text3() const { return m_text3; }
    QCheckBox* check1() const { return m_check1; }
    QCheckBox* check2() const { return m_check2; }
    QTimer& timer2() { return m_timer2; }
    // Where the results panel is placed.
    QVBoxLayout* zonaResultados() const { return m_zonaResultados; }
    QPushButton* command6() const { return m_command6; }
    QLabel* label5() const { return m_label5; }
    QLabel* picture1() const { return m_picture1; }

  signals:
    void verMensaje();    // "Ver mensaje"
    void correoPulsado(); // the e-mail label or its picture
    void label9Pulsado(); // any label of the summary

  private:
    std::array<QLabel*, 8> m_label9{};
    QScrollBar* m_hScroll1;
    QLineEdit* m_text3;
    QCheckBox* m_check1;
    QCheckBox* m_check2;
    QVBoxLayout* m_zonaResultados;
    QTimer m_timer2;
    QPushButton* m_command6;
    QLabel* m_label5;
    QLabel* m_picture1;
};
