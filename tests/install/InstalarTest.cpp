#include "stats/BaseInforme.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// A build's output with the program's shipped files, installed by the project's script.
struct Instalacion : ::testing::Test {
    TestFolder compilado, destino;
    QString prefijo = destino.ruta(QStringLiteral("velmorat"));

    Instalacion() {
        QDir(compilado.path()).mkpath(QStringLiteral("dist"));
        QDir(compilado.path()).mkpath(QStringLiteral("tools"));
        QFile::copy(QStringLiteral(VELMORAT_DIST_DIR "/Velmorat.mdb"),
                    enviado(QStringLiteral("Velmorat.mdb")));
        QFile::copy(QStringLiteral(VELMORAT_BUILD_DIR "/tools/creabase"),
                    compilado.ruta(QStringLiteral("tools/creabase")));
        enviar(QStringLiteral("velmorat"), "programa 2");
        enviar(QStringLiteral("tablas.bin"), "tablas 2");
        enviar(QStringLiteral("Velmorat.net"), "informe 1");
    }
    QString enviado(const QString& f) const { return compilado.ruta(QStringLiteral("dist/") + f); }
    void enviar(const QString& f, const QByteArray& contenido) const {
        compilado.write(QStringLiteral("dist/") + f, contenido);
    }
    QString instalado(const QString& f) const { return prefijo + u'/' + f; }
    QByteArray leer(const QString& f) const {
        QFile a(instalado(f));
        return a.open(QIODevice::ReadOnly) ? a.readAll() : QByteArray();
    }
    void escribir(const QString& f, const QByteArray& contenido) const {
        QFile a(instalado(f));
        ASSERT_TRUE(a.open(QIODevice::WriteOnly));
        a.write(contenido);
    }
    void instalar() const {
        QProcess p;
        p.start(QStringLiteral(VELMORAT_CMAKE),
                {QStringLiteral("-DPREFIX=") + prefijo, QStringLiteral("-DBUILD_DIR=") + compilado.path(),
                 QStringLiteral("-P"), QStringLiteral(VELMORAT_SOURCE_DIR "/scripts/install.cmake")});
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
};

} // namespace

TEST_F(Instalacion, FirstInstallMakesAPrivateFolder) {
    instalar();
    EXPECT_EQ(leer(QStringLiteral("velmorat")), "programa 2");
    EXPECT_EQ(leer(QStringLiteral("tablas.bin")), "tablas 2");
    EXPECT_EQ(QFile::permissions(prefijo) & 0x0077, 0) << "group and others have no access";
    BaseInforme db;
    EXPECT_TRUE(db.abrir(instalado(QStringLiteral("Velmorat.mdb"))));
}

TEST_F(Instalacion, ReinstallUpdatesTheProgramsFilesAndKeepsTheUsers) {
    instalar();
    const QStringList datos = {QStringLiteral("apuestas.dat"), QStringLiteral("numeros.dat"),
                               QStringLiteral("nums.ini"), QStringLiteral("www.txt")};
    for (const QString& f : datos)
        escribir(f, "del usuario");
    enviar(QStringLiteral("apuestas.dat"), "nunca");
    enviar(QStringLiteral("tablas.bin"), "tablas 3");
    enviar(QStringLiteral("velmorat"), "programa 3");
    enviar(QStringLiteral("Velmorat.net"), "informe 2");
    // What the program wrote into a sound database stays.
    {
        BaseInforme db;
        ASSERT_TRUE(db.abrir(instalado(QStringLiteral("Velmorat.mdb"))));
        ASSERT_TRUE(db.ejecuta(QStringLiteral("INSERT INTO \"Informe\" (\"Frase\") VALUES ('escrita')")));
    }
    const QByteArray base = leer(QStringLiteral("Velmorat.mdb"));
    instalar();
    for (const QString& f : datos)
        EXPECT_EQ(leer(f), "del usuario") << f.toStdString();
    EXPECT_EQ(leer(QStringLiteral("tablas.bin")), "tablas 3");
    EXPECT_EQ(leer(QStringLiteral("velmorat")), "programa 3");
    EXPECT_EQ(leer(QStringLiteral("Velmorat.net")), "informe 2");
    EXPECT_EQ(leer(QStringLiteral("Velmorat.mdb")), base);

    // A report definition the user changed stays; a damaged database is replaced.
    escribir(QStringLiteral("Velmorat.net"), "mi informe");
    enviar(QStringLiteral("Velmorat.net"), "informe 3");
    escribir(QStringLiteral("Velmorat.mdb"), base.left(1024));
    instalar();
    EXPECT_EQ(leer(QStringLiteral("Velmorat.net")), "mi informe");
    QFile original(enviado(QStringLiteral("Velmorat.mdb")));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(leer(QStringLiteral("Velmorat.mdb")), original.readAll());
}
