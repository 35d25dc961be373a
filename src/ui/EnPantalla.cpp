#include "ui/EnPantalla.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace enpantalla {

QMargins marco(const QWidget* v) {
    const QRect fuera = v->frameGeometry(), dentro = v->geometry();
    if (v->isVisible() && fuera != dentro)
        return {dentro.left() - fuera.left(), dentro.top() - fuera.top(), fuera.right() - dentro.right(),
                fuera.bottom() - dentro.bottom()};
    return {4, 32, 4, 4}; // a title bar and thin borders, until the window manager tells
}

void colocar(QWidget* v, const QWidget* sobre, Lugar lugar) {
    const QScreen* pantalla = sobre ? sobre->screen() : v->screen();
    if (!pantalla)
        pantalla = QGuiApplication::primaryScreen();
    if (pantalla)
        colocar(v, sobre, lugar, pantalla->availableGeometry());
}

void colocar(QWidget* v, const QWidget* sobre, Lugar lugar, const QRect& zona) {
    const QMargins m = marco(v);
    const QSize libre(zona.width() - m.left() - m.right(), zona.height() - m.top() - m.bottom());
    if (!v->testAttribute(Qt::WA_Resized))
        v->adjustSize();
    // A window whose contents ask for more than the area gives up the difference.
    const QSize minimo = v->minimumSize().expandedTo(v->minimumSizeHint());
    if (minimo.width() > libre.width() || minimo.height() > libre.height())
        v->setMinimumSize(minimo.boundedTo(libre));
    v->resize(v->size().boundedTo(libre));

    const QSize exterior = v->size().grownBy(m);
    QPoint esquina; // top-left corner of the frame
    switch (lugar) {
    case Lugar::Centrada: {
        const QPoint centro = sobre ? sobre->frameGeometry().center() : zona.center();
        esquina = centro - QPoint(exterior.width() / 2, exterior.height() / 2);
        break;
    }
    case Lugar::ArribaIzquierda:
        esquina = zona.topLeft();
        break;
    case Lugar::Donde:
        esquina = v->frameGeometry().topLeft();
        break;
    }
    esquina.setX(std::max(zona.left(), std::min(esquina.x(), zona.left() + zona.width() - exterior.width())));
    esquina.setY(std::max(zona.top(), std::min(esquina.y(), zona.top() + zona.height() - exterior.height())));
    v->move(esquina);
}

void corregirAlEnmarcar(QWidget* v) {
    QTimer::singleShot(250, v, [v] {
        const QScreen* pantalla = v->screen();
        if (pantalla && v->isVisible() && !pantalla->availableGeometry().contains(v->frameGeometry()))
            colocar(v, nullptr, Lugar::Donde);
    });
}

} // namespace enpantalla
