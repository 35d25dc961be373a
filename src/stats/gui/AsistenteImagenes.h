#pragma once

#include <QMap>
#include <QPixmap>
#include <QString>

// The pictures of the wizard and of the report icons, by their number in the main
// window's picture list: 3 report icon under the pointer, 4 report icon, 5 report icon
// disabled, 6 step-3 choice, 7 under the pointer, 8 disabled, 9 "back to step 1", 10 under
// the pointer, 11 disabled. Each is an SVG of this library's resources.
namespace asistenteimagenes {

// Resource path of each picture this library supplies, by number.
QMap<int, QString> rutas();

// The picture `numero` drawn at `lado` pixels square; null when it is not one of ours.
QPixmap imagen(int numero, int lado = 40);

} // namespace asistenteimagenes
