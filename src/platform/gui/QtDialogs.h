#pragma once

#include "platform/Dialogs.h"

// Message boxes and file dialogs, modal to the whole program, owned by the main window and
// shown over the window whose action raised them (see ModalDialog).
class QtDialogs final : public Dialogs {
public:
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    QString openFile(const QString& title, const QString& folder, const QString& filterName,
                     const QString& pattern) override;
};
