#include "platform/gui/QtDialogs.h"
#include "support/TestFolder.h"

#include <QApplication>
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
        ASSERT_TRUE(d);
        const QString filtro = d->nameFilters().value(0);
        const auto opciones = QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails;
        visto = QDir(dir.path())
                    .entryList({filtro.section(u'(', 1).chopped(1)}, QDir::Files | QDir::CaseSensitive,
                               QDir::Name)
                << filtro.section(u'(', 0, 0) + d->windowTitle() + d->directory().path()
                << (d->fileMode() == QFileDialog::ExistingFile && d->options() == opciones ? "abre uno" : "");
        d->selectFile(dir.ruta(QStringLiteral("NUMEROS.DAT")));
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(QtDialogs().openFile(QStringLiteral("Elija"), dir.path(), QStringLiteral("Archivos de sorteos"),
                                   QStringLiteral("numeros.dat")),
              dir.ruta(QStringLiteral("NUMEROS.DAT")));
    EXPECT_EQ(visto, (QStringList{"NUMEROS.DAT", "Numeros.Dat", "numeros.dat",
                                  "Archivos de sorteos Elija" + dir.path(), "abre uno"}));
}
