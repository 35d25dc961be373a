#include "platform/gui/QtDialogs.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

// The draws file is offered in the program's own dialog whatever the letter case of its name,
// under its filter's name alone; the file chosen is handed back.
TEST(QtDialogs, OpenFileFiltersTheNameInAnyCaseAndReturnsTheChoice) {
    TestFolder dir;
    for (const char* f :
         {"numeros.dat", "NUMEROS.DAT", "Numeros.Dat", "numeros.da", "xnumeros.dat", "numeros_dat"})
        dir.write(QLatin1String(f), "x");
    QStringList visto;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d)
            return;
        const QString filtro = d->nameFilters().value(0);
        visto << filtro.section(u'(', 0, 0) + d->windowTitle() + d->directory().path()
              << QDir(dir.path())
                     .entryList({filtro.section(u'(', 1).chopped(1)}, QDir::Files | QDir::CaseSensitive,
                                QDir::Name)
              << QString::number(d->fileMode()) + u' ' + QString::number(d->options());
        d->selectFile(dir.ruta(QStringLiteral("NUMEROS.DAT")));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(QtDialogs().openFile(QStringLiteral("Elija"), dir.path(), QStringLiteral("Archivos de sorteos"),
                                   QStringLiteral("numeros.dat")),
              dir.ruta(QStringLiteral("NUMEROS.DAT")));
    EXPECT_EQ(
        visto,
        (QStringList{"Archivos de sorteos Elija" + dir.path(), "NUMEROS.DAT", "Numeros.Dat", "numeros.dat",
                     QStringLiteral("%1 %2")
                         .arg(QFileDialog::ExistingFile)
                         .arg(int(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails))}));
}
