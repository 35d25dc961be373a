#include "platform/gui/QtDialogs.h"

#include <QAbstractButton>
#include <QMessageBox>

Dialogs::Answer QtDialogs::message(const QString& text, const QString& title, Icon icon, Buttons buttons) {
    QMessageBox box(m_parent);
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: break;
    }
    QMessageBox::StandardButtons std;
    switch (buttons) {
    case Buttons::Ok: std = QMessageBox::Ok; break;
    case Buttons::OkCancel: std = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo: std = QMessageBox::Yes | QMessageBox::No; break;
    case Buttons::YesNoCancel: std = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(std);
    if (auto* b = box.button(QMessageBox::Yes))
        b->setText(QStringLiteral("Sí"));
    if (auto* b = box.button(QMessageBox::No))
        b->setText(QStringLiteral("No"));
    if (auto* b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Cancelar"));
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // Closing the box with Escape or its close button: the safe answer for its buttons.
    return buttons == Buttons::YesNo ? Answer::No : (buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
}
