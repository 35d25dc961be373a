#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
struct Session;

// The settings window: the price of one bet and the months of the statistics period
// sliders. Every change is saved to nums.ini at once through the program's one settings copy.
class Configurar final : public QWidget {
    Q_OBJECT
  public:
    // `fijarMaximoPeriodo` sets the maximum of both period sliders.
    Configurar(Session& s, std::function<void(int)> fijarMaximoPeriodo, QWidget* parent = nullptr);

    void Text1_Change();
    void Text2_Change();
    void Label2_Click();
    QLineEdit* text1() const { return m_text1; }
    QLineEdit* text2() const { return m_text2; }

  private:
    void grabar();

    Session& m_s;
    std::function<void(int)> m_fijarMaximoPeriodo;
    QLineEdit* m_text1;
    QLineEdit* m_text2;
    bool m_falloAvisado = false;
};
