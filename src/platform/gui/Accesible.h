#pragma once

class QWidget;

// What a screen reader hears of the program's own widgets: the labels the user presses are
// buttons or links, every top-level window of the program is a window (a dialog when it is
// one), and pictures without meaning are left out. Installed once; later calls do nothing.
void instalarAccesibilidad();

// Leaves a picture that only decorates its window out of what a screen reader reads.
void marcarDecorativa(QWidget* imagen);
