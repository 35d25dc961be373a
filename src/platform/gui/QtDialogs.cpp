#include "platform/gui/QtDialogs.h"

#include "platform/gui/ModalDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

Dialogs::Answer QtDialogs::message(const QString& text, const QString& title, Icon icon, Buttons buttons) {
    ModalDialog<QMessageBox> box(modaldialog::owner());
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
        b->setText(QStringLiteral("&Sí"));
    if (auto* b = box.button(QMessageBox::No))
        b->setText(QStringLiteral("&No"));
    if (auto* b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("&Cancelar"));
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

namespace {

// A name pattern that matches whatever the letter case: "numeros.dat" becomes
// "[nN][uU][mM][eE][rR][oO][sS].[dD][aA][tT]".
QString sinMayusculas(const QString& pattern) {
    QString out;
    for (const QChar c : pattern) {
        const QChar mayuscula = c.toUpper();
        const QChar minuscula = c.toLower();
        if (mayuscula == minuscula)
            out += c;
        else
            out += u'[' + QString(minuscula) + QString(mayuscula) + u']';
    }
    return out;
}

} // namespace

QString QtDialogs::openFile(const QString& title, const QString& folder, const QString& filterName,
                            const QString& pattern) {
    ModalDialog<QFileDialog> dialog(modaldialog::owner(), title, folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The program's own dialog speaks its language and applies the filter the same way
    // on every desktop; the pattern in brackets would only puzzle the user.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(filterName + QStringLiteral(" (") + sinMayusculas(pattern) + u')');
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
