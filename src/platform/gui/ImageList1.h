#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

// The main window's picture list: the program's own SVG pictures, numbered from 1.
//
// Adding a picture: put "NN-name.svg" (NN its number, two digits) in data/pictures/lista/ and
// a line for it in data/imagelist.qrc. The SVG's width and height are the size it is shown at.
//
// Numbers in use: 1 download hover, 2 download, 3..11 the report and wizard icons (normal,
// hover and greyed), 12 logo of printed listings, 13/14 print icon and its hover, 15..19 the
// five shortcuts of the main window, 20 the e-mail picture.
//
// A picture is rendered once and the same pixmap handed out every time, so whether a label
// shows picture n is a comparison of pixmap identity (`shows`).
class ImageList1 {
  public:
    // Picture n at its own size; a null pixmap for a number the list does not hold.
    static QPixmap picture(int n);
    // Picture n drawn at `size` on white (for printing).
    static QImage image(int n, QSize size);
    static bool contains(int n);
    // The resource path of picture n ("" when absent).
    static QString resource(int n);

    static void show(QLabel* label, int n);
    static bool shows(const QLabel* label, int n);
};
