#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QWidget;

// What the peñas windows need from the main window: showing and unloading secondary
// windows, and the main window's own reactions.
struct VentanasPenas {
    std::function<void(QWidget*)> mostrar;           // shows a secondary window, modeless
    std::function<void(const QString&)> descargar;   // unloads a secondary window by name
    std::function<QPoint()> origenPrincipal;         // the main window's top-left corner
    std::function<void()> alActivarEditor;           // the editor was activated
    std::function<QWidget*(const QString&)> abierta; // an open secondary window by name
};
