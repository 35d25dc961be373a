#include "core/Startup.h"
#include "core/FolderLock.h"
#include "core/OleDate.h"
#include "support/LimiteEscritura.h"
#include "support/SesionPrueba.h"
#include "support/SinPrivilegios.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Fixture : ::testing::Test, SesionPrueba {
    Fixture() : SesionPrueba(QDate(2026, 12, 6)) {}
    Config leerIni() const { return Config::decode(dir.read(QStringLiteral("nums.ini"))); }
};

} // namespace

using Arranque = Fixture;

// A stale copy left by an interrupted deletion is removed.
TEST_F(Arranque, FirstStartCreatesEmptyFilesAndDefaultSettings) {
    EXPECT_EQ(startup::rutaAppDe(QStringLiteral("/opt/velmorat")), QStringLiteral("/opt/velmorat/"));
    EXPECT_EQ(startup::rutaAppDe(QStringLiteral("/")), QStringLiteral("/"));
    dir.conTablas();
    // The copies and save files of interrupted writes go; files that only look alike stay.
    const QStringList propios = {"apuestas.tmp",   "numeros.tmp",    "numeros.bak.tmp", "informe.dat.QwErTy",
                                 "www.txt.AbCdEf", "vek.pdf.ZxCvBn", ".velmorat-QwErTy"};
    const QStringList ajenos =
        QStringLiteral("notas.tmp www.txt.viejo vek.pdf.123456 vek.pdf vek.pdf.ZxCvBnM vek.pdf_ZxCvBn "
                       "xinforme.dat.QwErTy informeXdat.QwErTy WWW.TXT.AbCdEf informe.pdf.AbCdEf .velmorat-1")
            .split(u' ');
    for (const QString& f : propios + ajenos)
        dir.write(f, QByteArray(8307, 'x'));
    ASSERT_TRUE(startup::abrirArchivos(s, dir.path()));
    for (const QString& f : propios + ajenos)
        EXPECT_EQ(dir.exists(f), ajenos.contains(f)) << f.toStdString();
    startup::leeconfig(s);
    EXPECT_EQ((std::tuple{dialogs.boxes.size(), s.rutaApp, QDir::currentPath()}),
              (std::tuple{0, dir.rutaApp(), QDir(dir.path()).canonicalPath()}));
    for (const char* f : {"apuestas.dat", "numeros.dat", "www.txt"})
        EXPECT_EQ((std::tuple{dir.exists(QString::fromLatin1(f)),
                              QFileInfo(dir.ruta(QString::fromLatin1(f))).size()}),
                  (std::tuple{true, 0}))
            << f;
    const Config c = leerIni();
    EXPECT_EQ((std::tuple{dir.read(QStringLiteral("nums.ini")).size(), c.precio, c.meses, c.margenX,
                          c.margenY, c.webhost.trimmed(), c == s.cfg}),
              (std::tuple{86, 1.0f, 24, 0.0f, 0.0f, QString::fromLatin1(startup::kHostPorDefecto), true}));
}

// A pipe or a device in place of a record file would hold or flood the program: the start is
// refused with a box naming the file, and the record file does not open on it.
TEST_F(Arranque, PipeOrDeviceAsADataFileIsRefused) {
    dir.conTablas();
    for (const char* f : {"apuestas.dat", "numeros.dat", "nums.ini"})
        for (const bool fifo : {true, false}) {
            const QString ruta = dir.ruta(QLatin1String(f));
            ASSERT_TRUE(fifo ? ::mkfifo(QFile::encodeName(ruta).constData(), 0600) == 0
                             : QFile::link(QStringLiteral("/dev/zero"), ruta));
            dialogs.boxes.clear();
            EXPECT_FALSE(startup::abrirArchivos(s, dir.path()));
            ASSERT_EQ(dialogs.boxes.size(), 1);
            EXPECT_EQ(
                dialogs.boxes[0].text,
                QStringLiteral("El archivo %1 de la carpeta del programa no es un archivo de datos (es una "
                               "tubería, un dispositivo o una carpeta). Bórrelo o cámbielo por uno válido y "
                               "vuelva a abrir el programa.")
                    .arg(QLatin1String(f)));
            EXPECT_FALSE(RecordFile(32).open(ruta));
            QFile::remove(ruta);
        }
}

using Configuracion = Fixture;

// A stored settings record is read and repaired: a price of zero or not a number (a record of
// garbage) gets 1 and 24 months, a host that fills its field (a record of zeros) or the retired
// one becomes the default, a short record is completed; every other field keeps its value.
TEST_F(Configuracion, StoredSettingsAreRepairedAndOtherFieldsKept) {
    s.rutaApp = dir.rutaApp();
    const auto guardado = [](float precio, int16_t meses, const char* host) {
        return Config{.margenX = 2.5f,
                      .precio = precio,
                      .meses = meses,
                      .webhost = QString::fromLatin1(host),
                      .reserved78 = QByteArray("12345678")}
            .encode();
    };
    const char *mio = "mi.servidor.es", *defecto = startup::kHostPorDefecto;
    const QByteArray reservado("12345678"), ceros(8, '\0');
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& [bytes, precio, meses, host, margen, resto] :
         {std::tuple{guardado(0.0f, 6, mio), 1.0f, 24, mio, 2.5f, reservado},
          std::tuple{guardado(-0.0f, 6, mio), 1.0f, 24, mio, 2.5f, reservado},
          std::tuple{guardado(nan, 6, mio), 1.0f, 24, mio, 2.5f, reservado},
          std::tuple{guardado(2.5f, 6, mio), 2.5f, 6, mio, 2.5f, reservado},
          std::tuple{guardado(2.5f, 12, startup::kHostRetirado), 2.5f, 12, defecto, 2.5f, reservado},
          std::tuple{QByteArray(86, '\0'), 1.0f, 24, defecto, 0.0f, ceros},
          std::tuple{guardado(2.5f, 6, mio).left(10), 1.0f, 24, defecto, 2.5f, ceros}}) {
        dir.write(QStringLiteral("nums.ini"), bytes);
        startup::leeconfig(s);
        s.files.numsIni.close();
        const Config l = leerIni();
        EXPECT_EQ((std::tuple{l.precio, l.meses, l.webhost.trimmed(), l.margenX, l.reserved78,
                              dir.read(QStringLiteral("nums.ini")).size()}),
                  (std::tuple{precio, meses, QString::fromLatin1(host), margen, resto, 86}))
            << bytes.toHex().toStdString();
    }
}

using Conversion = Fixture;

// Files that are not converted stay as they are: an empty file and whole current files (a
// Joker of -1 or of seven digits) without a word; a damaged record anywhere (a Joker that is
// no number, nonsense that passes the first-record test, a damaged tail or middle, a draw
// dated after today, an old file with a bad record) with one box saying the file is damaged.
TEST_F(Conversion, FilesNotWhollyOldAreLeftAlone) {
    const std::tuple kDanado{
        QStringLiteral("El archivo de sorteos numeros.dat está dañado y no se ha modificado. "
                       "Puede importar uno válido con \"Añadir todos los sorteos\" o vaciarlo "
                       "con \"Borrar todos los sorteos\"."),
        QStringLiteral("¡Vaya hombre!"), Dialogs::Icon::Exclamation};
    dir.conTablas();
    const auto dos = [](double joker) {
        return registroSorteo(40000, {1, 2, 3, 4, 5, 6}, 7, 8, joker).encode() +
               registroSorteo(40002, {1, 2, 3, 4, 5, 6}, 7, 8, joker).encode();
    };
    const QByteArray bien = dos(-1);
    const QByteArray basura =
        RegSorteo{{77, -3, 1000, 5, 5, 0, 60, 12}, oledate::fromYmd(2024, 5, 2), 1.234567891e-300}.encode();
    QByteArray viejo = sorteosAntiguos(4);
    viejo.replace(24 * 3 + 2, 2, viejo.mid(24 * 3 + 4, 2)); // the last old draw repeats a number
    const std::pair<QByteArray, bool> archivos[] = {
        {QByteArray(), false},
        {bien, false},
        {dos(9999999), false},
        {dos(std::numeric_limits<double>::quiet_NaN()), true},
        {basura + basura, true},
        {bien + registroSorteo(9.03e291, {1, 2, 3, 4, 5, 6}, 7, 8).encode(), true},
        {bien.left(32) + basura + bien.mid(32), true},
        {bien + registroSorteo(oledate::fromYmd(2026, 12, 7), {1, 2, 3, 4, 5, 6}, 7, 8).encode(), true},
        {viejo, true}};
    for (const auto& [a, danado] : archivos) {
        dir.write(QStringLiteral("numeros.dat"), a);
        dialogs.boxes.clear();
        ASSERT_TRUE(startup::abrirArchivos(s, dir.path()));
        EXPECT_TRUE(startup::compruebanumeros(s));
        ASSERT_EQ(dialogs.boxes.size(), danado ? 1 : 0);
        if (danado)
            EXPECT_EQ(dialogs.caja(0), kDanado);
        EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), a);
        s.files.cerrarTodos();
    }
}

TEST_F(Conversion, OldFileIsConvertedAfterItsBoxKeepingNumbersAndDates) {
    dir.conTablas();
    const QByteArray viejo = sorteosAntiguos(5);
    dir.write(QStringLiteral("numeros.dat"), viejo);
    ASSERT_TRUE(startup::abrirArchivos(s, dir.path()));
    EXPECT_TRUE(startup::compruebanumeros(s));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.caja(0),
              (std::tuple{QStringLiteral(
                              "Se ha encontrado un archivo de Sorteos perteneciente a una versión anterior "
                              "del programa y se va a convertir el fichero a la versión actual."),
                          QStringLiteral("Actualización de datos"), Dialogs::Icon::Information}));
    EXPECT_EQ(dialogs.boxes[0].buttons, Dialogs::Buttons::Ok);

    QByteArray nuevo;
    for (int i = 0; i < 5; ++i) {
        const RegSorteoAntiguo a = RegSorteoAntiguo::decode(viejo.mid(24 * i, 24));
        nuevo += RegSorteo{a.bolas, a.fecha, 0.0}.encode();
    }
    EXPECT_EQ(
        (std::tuple{dir.read(QStringLiteral("numeros.dat")), dir.exists(QStringLiteral("numeros.tmp"))}),
        (std::tuple{nuevo, false}));
    // The file stays open as the converted draws file.
    EXPECT_EQ((std::tuple{s.files.numeros.count(), s.files.numeros.get<RegSorteo>(5).fecha}),
              (std::tuple{5, 30028.0}));
}

// A refused conversion, or one whose copy cannot be written, ends the start and keeps the files.
TEST_F(Conversion, RefusedOrFailedConversionEndsAndKeepsTheFiles) {
    dir.conTablas();
    const QByteArray viejo = sorteosAntiguos(10);
    dir.write(QStringLiteral("numeros.dat"), viejo);
    dir.write(QStringLiteral("apuestas.dat"), QByteArray(RegPena::kSize, 'x'));
    dialogs.answers = {Dialogs::Answer::Cancel};
    ASSERT_TRUE(startup::abrirArchivos(s, dir.path()));
    EXPECT_FALSE(startup::compruebanumeros(s));
    EXPECT_EQ(std::tuple(s.files.numeros.isOpen(), dialogs.boxes.size()), std::tuple(false, 1));
    ASSERT_TRUE(startup::abrirArchivos(s, dir.path()));
    {
        LimiteEscritura limite(100); // the converted copy cannot be written whole
        EXPECT_FALSE(startup::compruebanumeros(s));
    }
    ASSERT_EQ(dialogs.boxes.size(), 3);
    // Told by its own cause: the size limit is no missing permission.
    EXPECT_EQ(
        (std::tuple{dialogs.boxes[2].title + dialogs.boxes[2].text, s.files.numeros.isOpen(),
                    dir.read(QStringLiteral("numeros.dat")), dir.read(QStringLiteral("apuestas.dat")),
                    dir.exists(QStringLiteral("numeros.tmp"))}),
        (std::tuple{QStringLiteral(
                        "Error de escrituraNo se ha podido guardar el archivo numeros.dat. (File too large)"),
                    false, viejo, QByteArray(RegPena::kSize, 'x'), false}));
    // A write-protected file is not replaced, though its folder could take the copy.
    QFile::setPermissions(dir.ruta(QStringLiteral("numeros.dat")), QFile::ReadOwner);
    ASSERT_TRUE(startup::abrirArchivos(s, dir.path()));
    {
        SinPrivilegios comoUsuario;
        EXPECT_FALSE(startup::compruebanumeros(s));
    }
    EXPECT_EQ((std::tuple{dialogs.boxes.size(), dialogs.boxes.last().title,
                          dir.read(QStringLiteral("numeros.dat"))}),
              (std::tuple{5, QStringLiteral("Error de permiso"), viejo}));
}

TEST_F(Arranque, UnwritableFolderStartsWithDefaultsInMemory) {
    dir.conTablas();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    SinPrivilegios comoUsuario;
    ASSERT_TRUE(startup::abrirArchivos(s, dir.path()));
    startup::leeconfig(s);
    EXPECT_TRUE(startup::compruebanumeros(s));
    EXPECT_EQ((std::tuple{s.cfg.precio, s.cfg.meses}), (std::tuple{1.0f, 24}));
    EXPECT_FALSE(dir.exists(QStringLiteral("nums.ini")));
    EXPECT_FALSE(s.files.numeros.put(1, RegSorteo()));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// One program per folder: a second start on an open folder is refused and told, with nothing
// written to the folder; another folder is free; a killed holder leaves the folder free.
TEST_F(Arranque, OneProgramPerFolder) {
    TestFolder otra;
    FolderLock primero(dir.path()), segundo(dir.path());
    const std::vector<bool> tomadas = {primero.lockOrTell(dialogs), segundo.lockOrTell(dialogs),
                                       FolderLock(otra.path()).tryLock()};
    EXPECT_EQ(tomadas, (std::vector<bool>{true, false, true}));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.caja(0),
              std::tuple(QStringLiteral("Velmorat ya está abierto en la carpeta \"%1\". Siga en esa "
                                        "ventana, o ciérrela antes de volver a abrir el programa.")
                             .arg(dir.path()),
                         QStringLiteral("Velmorat"), Dialogs::Icon::Exclamation));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const pid_t hijo = fork();
    if (hijo == 0) {
        FolderLock bloqueo(otra.path());
        if (bloqueo.tryLock())
            ::kill(::getpid(), SIGKILL);
        ::_exit(1);
    }
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    EXPECT_EQ(std::tuple(WIFSIGNALED(estado), FolderLock(otra.path()).tryLock()), std::tuple(true, true));
}
