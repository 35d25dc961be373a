#pragma once

#include "platform/Dialogs.h"

class QWidget;

// Message boxes and file dialogs, modal to the active window of the program (else the given parent).
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    QString openFile(const QString& title, const QString& folder, const QString& filterName,
                     const QString& pattern) override;

  private:
    QWidget* padre() const;
    QWidget* m_parent;
};
