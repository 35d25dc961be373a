#pragma once

#include <QString>

// Every message box and file dialog of the program goes through this seam, so tests can script the
// user's answers and read the exact texts and titles.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, const QString& title, Icon icon = Icon::None,
                           Buttons buttons = Buttons::Ok) = 0;
    // The open-file dialog, starting in `folder` and showing the files whose names match
    // `pattern` (wildcards allowed, letter case ignored) under `filterName`. Returns the
    // chosen file, or an empty text when the user cancelled.
    virtual QString openFile(const QString& title, const QString& folder, const QString& filterName,
                             const QString& pattern) = 0;
};
