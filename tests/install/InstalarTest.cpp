#include "stats/BaseInforme.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// Installs twice from a build of the program's shipped files into one folder, as a user who
// updates does; the user's data and a report definition the user changed stay.
TEST(Instalacion, ReplacesTheProgramsFilesKeepsTheUsersInAPrivateFolder) {
    TestFolder build, destino;
    const QString prefijo = destino.ruta(QStringLiteral("velmorat"));
    for (const char* d : {"tools", "dist"})
        QDir(build.path()).mkpath(QString::fromLatin1(d));
    QFile::copy(QStringLiteral(VELMORAT_BUILD_DIR "/tools/creabase"),
                build.ruta(QStringLiteral("tools/creabase")));
    const auto envia = [&](const char* f, const QByteArray& b) {
        build.write(QStringLiteral("dist/") + f, b);
    };
    const auto instala = [&] {
        QProcess p;
        p.start(QStringLiteral(VELMORAT_CMAKE),
                {QStringLiteral("-DPREFIX=") + prefijo, QStringLiteral("-DBUILD_DIR=") + build.path(),
                 QStringLiteral("-P"), QStringLiteral(VELMORAT_SOURCE_DIR "/scripts/install.cmake")});
        return p.waitForFinished(60000) && p.exitCode() == 0;
    };
    const auto lee = [&](const char* f) { return destino.read(QStringLiteral("velmorat/") + f); };
    QFile::copy(QStringLiteral(VELMORAT_DIST_DIR "/Velmorat.mdb"),
                build.ruta(QStringLiteral("dist/Velmorat.mdb")));
    for (const char* f : {"velmorat", "tablas.bin", "Velmorat.net", "Velmorat1.net"})
        envia(f, "1");
    ASSERT_TRUE(instala());
    EXPECT_EQ(QFile::permissions(prefijo) & 0x0077, 0) << "group and others have no access";

    destino.write(QStringLiteral("velmorat/apuestas.dat"), "mías");
    destino.write(QStringLiteral("velmorat/Velmorat1.net"), "mi informe");
    destino.write(QStringLiteral("velmorat/Velmorat.mdb"), "dañada");
    for (const char* f : {"velmorat", "tablas.bin", "Velmorat.net", "Velmorat1.net", "apuestas.dat"})
        envia(f, "2");
    ASSERT_TRUE(instala());
    for (const char* f : {"velmorat", "tablas.bin", "Velmorat.net"})
        EXPECT_EQ(lee(f), "2") << f;
    EXPECT_EQ(lee("apuestas.dat"), "mías");
    EXPECT_EQ(lee("Velmorat1.net"), "mi informe");
    // The damaged database was replaced; a sound one keeps what the program wrote.
    BaseInforme db;
    ASSERT_TRUE(db.abrir(prefijo + QStringLiteral("/Velmorat.mdb")));
    ASSERT_TRUE(db.ejecuta(QStringLiteral("INSERT INTO \"Informe\" VALUES ('escrita')")));
    db.cerrar();
    ASSERT_TRUE(instala());
    ASSERT_TRUE(db.abrir(prefijo + QStringLiteral("/Velmorat.mdb")));
    EXPECT_EQ(db.consulta(QStringLiteral("SELECT count(*) FROM \"Informe\"")).value(0).value(0).toInt(), 2);
}
