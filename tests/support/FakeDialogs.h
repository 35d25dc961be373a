#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>
#include <tuple>

// Message boxes and file dialogs for tests: records every box and answers from a script
// (Ok/Yes by default; an open-file dialog with no file scripted is cancelled).
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

    QString openFile(const QString& title, const QString& folder, const QString& filterName,
                     const QString& pattern) override {
        fileDialogs.append(title + u'|' + folder + u'|' + filterName + u'|' + pattern);
        return files.isEmpty() ? QString() : files.takeFirst();
    }

    // Text, title and icon of box i, to compare at once.
    std::tuple<QString, QString, Icon> caja(qsizetype i) const {
        return {boxes.at(i).text, boxes.at(i).title, boxes.at(i).icon};
    }

    QList<Box> boxes;
    QList<Answer> answers;   // next answers, in order
    QStringList files;       // files chosen in the next open-file dialogs (none left: cancelled)
    QStringList fileDialogs; // "title|folder|filter name|pattern" of every open-file dialog shown
};

// Readable texts in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
