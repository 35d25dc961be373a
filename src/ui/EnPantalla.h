#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Keeps the program's windows on the screen: each one fits the screen's free area (the part
// no panel covers), frame and title bar included.
namespace enpantalla {

// Where a window goes inside the free area.
enum class Lugar {
    Centrada,        // centred over the given window, as far as the area allows
    ArribaIzquierda, // at the area's top-left corner
    Donde,           // where it stands, moved only as far as needed to come inside
};

// The frame the window manager draws around a window: measured once the window is framed,
// estimated before.
QMargins marco(const QWidget* ventana);

// Sizes `ventana` to fit the free area of the screen of `sobre` (or its own screen) and moves
// it to `lugar`.
void colocar(QWidget* ventana, const QWidget* sobre, Lugar lugar);
// The same inside `zona`, a free area in screen coordinates.
void colocar(QWidget* ventana, const QWidget* sobre, Lugar lugar, const QRect& zona);

// Once the window manager has framed a window just shown, brings it back inside the free
// area when its real frame makes it stick out.
void corregirAlEnmarcar(QWidget* ventana);

} // namespace enpantalla
