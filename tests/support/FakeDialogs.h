#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QString>

// Message boxes for tests: records every box and answers from a script (Ok/Yes by default).
class FakeDialogs final : public Dialogs {
public:
    struct Box {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override {
        boxes.append({text, title, icon, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }

    QList<Box> boxes;
    QList<Answer> answers; // next answers, in order
};
