#include "platform/gui/ModalDialog.h"

#include <QApplication>

namespace modaldialog {

namespace {
QPointer<QWidget>& propietario() {
    static QPointer<QWidget> ventana;
    return ventana;
}
} // namespace

void setOwner(QWidget* owner) {
    propietario() = owner;
}

QWidget* owner() {
    return propietario();
}

QWidget* origin() {
    QWidget* activa = QApplication::activeModalWidget();
    if (!activa)
        activa = QApplication::activeWindow();
    return activa && activa->isVisible() ? activa : nullptr;
}

} // namespace modaldialog
