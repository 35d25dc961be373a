#include "ui/EnPantalla.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <tuple>

// A window of 300×200 that needs 250×150, not yet framed (4, 32, 4, 4 around it), placed in
// free areas anywhere on the desktop, some smaller than the window: its frame stays inside,
// and it gives up what does not fit.
TEST(EnPantalla, TheFrameStaysInsideAFreeAreaAnywhereAndOfAnySize) {
    using enpantalla::Lugar;
    const QRect zona(100, 50, 800, 600);
    for (const auto& [libre, lugar, desde, esperado] :
         {std::tuple{zona, Lugar::Centrada, QPoint(), QRect(345, 231, 300, 200)},
          std::tuple{zona.translated(-300, -150), Lugar::ArribaIzquierda, QPoint(9, 9),
                     QRect(-200, -100, 300, 200)},
          std::tuple{zona, Lugar::Donde, QPoint(200, 60), QRect(200, 60, 300, 200)},
          std::tuple{zona, Lugar::Donde, QPoint(2000, 2000), QRect(592, 414, 300, 200)},
          std::tuple{zona, Lugar::Donde, QPoint(-500, -500), QRect(100, 50, 300, 200)},
          std::tuple{QRect(-200, 30, 1000, 150), Lugar::Donde, QPoint(0, 0), QRect(0, 30, 300, 114)},
          std::tuple{QRect(100, 50, 200, 1000), Lugar::Centrada, QPoint(), QRect(100, 431, 192, 200)},
          std::tuple{QRect(100, 50, 200, 150), Lugar::Donde, QPoint(), QRect(100, 50, 192, 114)}}) {
        QWidget v;
        v.setMinimumSize(250, 150);
        v.resize(300, 200);
        v.move(desde);
        enpantalla::colocar(&v, nullptr, lugar, libre);
        EXPECT_EQ(QRect(v.pos(), v.size()), esperado) << libre.x() << ' ' << libre.width();
    }
}
