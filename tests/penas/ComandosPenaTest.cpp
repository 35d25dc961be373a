#include "penas/ComandosPena.h"
#include "Entorno.h"
#include "support/SinPrivilegios.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <tuple>

TEST(ComandosPena, DeletingKeepsTheOtherPenasByteForByte) {
    Entorno e;
    for (int i = 1; i <= 4; ++i) {
        RegPena p = Entorno::pena(QStringLiteral("PEÑA %1").arg(i), i * 3);
        p.acierto(3) = static_cast<int16_t>(i);
        e.guarda(p);
    }
    e.s.files.apuestas.flush();
    const QByteArray antes = e.carpeta.read(QStringLiteral("apuestas.dat"));
    e.s.penaSel = 2;
    ASSERT_TRUE(comandospena::seleccionada(e.s));
    ASSERT_TRUE(comandospena::eliminaPena(e.s));
    const FakeDialogs::Box caja = e.dialogs.boxes.value(0);
    EXPECT_EQ(std::tuple(caja.text, caja.title, caja.buttons),
              std::tuple(QStringLiteral("¿Seguro que quieres eliminar la Peña PEÑA 2?"),
                         QStringLiteral("Borrar..."), Dialogs::Buttons::YesNo));
    const int L = RegPena::kSize;
    EXPECT_EQ(e.carpeta.read(QStringLiteral("apuestas.dat")), antes.left(L) + antes.mid(2 * L));
    EXPECT_FALSE(e.carpeta.exists(QStringLiteral("apuestas.tmp")));
    // The file is open again on the new contents.
    EXPECT_EQ((std::tuple{e.s.penaSel, e.s.files.apuestas.count(),
                          e.s.files.apuestas.get<RegPena>(2).nombre.trimmed()}),
              (std::tuple{0, 3, QStringLiteral("PEÑA 3")}));
    EXPECT_FALSE(comandospena::seleccionada(e.s));
    EXPECT_EQ(e.dialogs.caja(1), std::tuple(QStringLiteral("Seleccione una peña primero..."),
                                            QStringLiteral("¡Nooooo!"), Dialogs::Icon::Information));
}

TEST(ComandosPena, EditingHandsOverTheKindAndWarnsOnReducedPenas) {
    Entorno e;
    RegPena r = Entorno::pena(QStringLiteral("RED"), 12);
    r.reducida = {9, 5};
    e.guarda(r);
    e.guarda(Entorno::pena(QStringLiteral("MUL"), 503));
    e.s.penaSel = 2;
    comandospena::seleccionada(e.s);
    comandospena::preparaEdicion(e.s);
    EXPECT_EQ(
        (std::tuple{e.s.codMultiple, e.s.modoEdicion, e.s.delAsistente, e.s.sigPena, e.dialogs.boxes.size()}),
        (std::tuple{3, 1, 1, 2, 0}));

    e.s.penaSel = 1;
    comandospena::seleccionada(e.s);
    comandospena::preparaEdicion(e.s);
    EXPECT_EQ((std::tuple{e.s.codMultiple, e.dialogs.boxes.size(), e.dialogs.boxes.value(0).title}),
              (std::tuple{0, 1, QStringLiteral("Atención!")}));
}

// A refused copy keeps the file, answering No leaves everything, and the only peña can go.
TEST(ComandosPena, UnwritableFolderAnsweringNoAndTheOnlyPena) {
    Entorno e;
    e.guarda(Entorno::pena(QStringLiteral("SOLA"), 1));
    e.s.files.apuestas.flush();
    const QByteArray antes = e.carpeta.read(QStringLiteral("apuestas.dat"));
    // apuestas.tmp cannot be created where a folder of that name stands.
    QDir(e.carpeta.path()).mkdir(QStringLiteral("apuestas.tmp"));
    e.s.penaSel = 1;
    comandospena::seleccionada(e.s);
    EXPECT_FALSE(comandospena::eliminaPena(e.s));
    ASSERT_FALSE(e.dialogs.boxes.isEmpty());
    EXPECT_EQ(e.dialogs.boxes.last().title, QStringLiteral("Error de escritura"));
    EXPECT_TRUE(e.dialogs.boxes.last().text.startsWith(
        QStringLiteral("No se ha podido guardar el archivo apuestas.tmp")));
    EXPECT_EQ(std::tuple(e.s.files.apuestas.count(), e.s.files.apuestas.isOpen()), std::tuple(1, true));
    EXPECT_EQ(e.carpeta.read(QStringLiteral("apuestas.dat")), antes);

    QDir(e.carpeta.path()).rmdir(QStringLiteral("apuestas.tmp"));
    // A write-protected peñas file is not replaced, though its folder could take the copy; one
    // that may be written but not read is not rebuilt from what could not be read.
    const qsizetype cajas = e.dialogs.boxes.size();
    for (const QFile::Permissions modo :
         {QFile::Permissions(QFile::ReadOwner), QFile::Permissions(QFile::WriteOwner)}) {
        QFile::setPermissions(e.carpeta.ruta(QStringLiteral("apuestas.dat")), modo);
        SinPrivilegios comoUsuario;
        EXPECT_FALSE(comandospena::eliminaPena(e.s));
    }
    // Each time the question, then the failure.
    EXPECT_EQ(
        e.dialogs.caja(cajas + 3),
        std::tuple(QStringLiteral("No se ha podido leer el archivo apuestas.dat (Permission denied). No "
                                  "se ha cambiado nada."),
                   QStringLiteral("Error de lectura"), Dialogs::Icon::Exclamation));
    EXPECT_EQ(e.carpeta.read(QStringLiteral("apuestas.dat")), antes);
    QFile::setPermissions(e.carpeta.ruta(QStringLiteral("apuestas.dat")), QFile::ReadOwner | QFile::WriteOwner);
    e.dialogs.answers = {Dialogs::Answer::No};
    EXPECT_FALSE(comandospena::eliminaPena(e.s));
    EXPECT_EQ(e.carpeta.read(QStringLiteral("apuestas.dat")), antes);
    EXPECT_FALSE(e.carpeta.exists(QStringLiteral("apuestas.tmp")));
    EXPECT_EQ(e.s.penaSel, 1);

    EXPECT_TRUE(comandospena::eliminaPena(e.s));
    EXPECT_TRUE(e.carpeta.read(QStringLiteral("apuestas.dat")).isEmpty());
}
