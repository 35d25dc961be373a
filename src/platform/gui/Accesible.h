#pragma once

class QWidget;

// What a screen reader hears of the program's own widgets: the labels the user presses are
// buttons or links, every top-level window of the program is a window (a dialog when it is
// one), a drop-down list is named by its label and valued by its entry, and pictures without
// meaning are left out. Installed once; later calls do nothing.
void instalarAccesibilidad();

// Leaves a picture that only decorates its window out of what a screen reader reads.
void marcarDecorativa(QWidget* imagen);

// A drawn chart: a screen reader hears a chart, named by its accessible name, whose values
// are its accessible description; the parts it is drawn with are not read.
void marcarGrafico(QWidget* grafico);

// Leaves the hidden children of a panel (the list not on view, or all of them while the panel
// is on a page not shown) out of what a screen reader reads.
void soloHijosVisibles(QWidget* panel);
