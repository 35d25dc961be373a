#pragma once

#include <QWidget>
#include <array>

class QLabel;

// The five icon shortcuts of the main window (Image1 0..4): delete, edit and print the
// selected peña, delete all draws, add all draws. A click reports the element's index.
class Atajos final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kCuantos = 5;
    explicit Atajos(QWidget* parent = nullptr);
    QLabel* image1(int i) const { return m_image1.at(static_cast<size_t>(i)); }

  signals:
    void pulsado(int indice);

  private:
    std::array<QLabel*, kCuantos> m_image1{};
};
