#pragma once

#include "platform/Dialogs.h"

class QWidget;

// Message boxes shown with QMessageBox, modal to the given parent.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;

private:
    QWidget* m_parent;
};
