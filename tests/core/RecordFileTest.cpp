#include "core/RecordFile.h"
#include "core/CheckedRead.h"
#include "core/FileReplace.h"
#include "core/Records.h"
#include "support/LimiteEscritura.h"
#include "support/SinPrivilegios.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

// A missing file is created empty; reads past the end give zeros and set the end mark.
TEST(RecordFile, RecordsAreNumberedFromOneAndWritesBeyondTheEndExtend) {
    TestFolder dir;
    RecordFile f(RegSorteo::kSize);
    ASSERT_TRUE(f.open(dir.ruta(QStringLiteral("numeros.dat"))));
    EXPECT_EQ((std::tuple{dir.exists(QStringLiteral("numeros.dat")), f.count(), f.read(1), f.eof()}),
              (std::tuple{true, 0, QByteArray(32, '\0'), true}));
    RegSorteo a;
    a.bolas[0] = 1;
    RegSorteo c;
    c.bolas[0] = 3;
    ASSERT_TRUE(f.put(1, a));
    ASSERT_TRUE(f.put(3, c)); // record 2 becomes zeros
    EXPECT_EQ((std::tuple{f.count(), QFileInfo(dir.ruta(QStringLiteral("numeros.dat"))).size()}),
              (std::tuple{3, 96}));
    EXPECT_EQ((std::tuple{f.get<RegSorteo>(1), f.get<RegSorteo>(2), f.get<RegSorteo>(3), f.eof()}),
              (std::tuple{a, RegSorteo(), c, false}));
    // Past the last record, and at record 0, which does not exist.
    EXPECT_EQ((std::tuple{(f.read(4), f.eof()), (f.read(0), f.eof()), f.write(0, a.encode())}),
              (std::tuple{true, true, false}));
}

TEST(RecordFile, TrailingPartialRecordIsNotCountedAndIsReplacedByTheNextWrite) {
    TestFolder dir;
    RegSorteo a;
    a.bolas = {1, 2, 3, 4, 5, 6, 7, 8};
    dir.write(QStringLiteral("numeros.dat"), a.encode() + QByteArray(10, '\x07'));
    RecordFile f(RegSorteo::kSize);
    ASSERT_TRUE(f.open(dir.ruta(QStringLiteral("numeros.dat"))));
    EXPECT_EQ((std::tuple{f.count(), f.get<RegSorteo>(1)}), (std::tuple{1, a}));
    const QByteArray tail = f.read(2);
    EXPECT_EQ((std::tuple{f.eof(), tail}), (std::tuple{true, QByteArray(10, '\x07') + QByteArray(22, '\0')}));
    ASSERT_TRUE(f.put(2, a));
    EXPECT_EQ((std::tuple{f.count(), QFileInfo(dir.ruta(QStringLiteral("numeros.dat"))).size()}),
              (std::tuple{2, 64}));
}

TEST(RecordFile, ReadOnlyFileCanBeReadButWritesFail) {
    TestFolder dir;
    RegSorteo a;
    a.bolas[0] = 9;
    dir.write(QStringLiteral("numeros.dat"), a.encode());
    QFile::setPermissions(dir.ruta(QStringLiteral("numeros.dat")), QFile::ReadOwner);
    SinPrivilegios comoUsuario;
    RecordFile f(RegSorteo::kSize);
    ASSERT_TRUE(f.open(dir.ruta(QStringLiteral("numeros.dat"))));
    EXPECT_EQ((std::tuple{f.get<RegSorteo>(1), f.put(2, a), f.count(), f.error()}),
              (std::tuple{a, false, 1, EACCES}));
    // A write that extends a file and fails midway is cut back and keeps its error number.
    RecordFile g(RegSorteo::kSize);
    ASSERT_TRUE(g.open(dir.ruta(QStringLiteral("otro.dat"))) && g.put(1, a));
    LimiteEscritura limite(40);
    EXPECT_EQ((std::tuple{g.put(2, a), QFileInfo(dir.ruta(QStringLiteral("otro.dat"))).size(), g.error()}),
              (std::tuple{false, 32, EFBIG}));
}

// A replacement keeps the target's permissions and leaves no copy beside it, named or not; a FIFO without a
// reader is refused at once, not waited on.
TEST(FileReplace, ReplacesWholeKeepingPermissionsAndLeavesNoCopy) {
    TestFolder dir;
    const auto r = [&dir](const char* n) { return dir.ruta(QString::fromLatin1(n)); };
    dir.write(QStringLiteral("apuestas.dat"), QByteArray("old"));
    ::chmod(QFile::encodeName(r("apuestas.dat")).constData(), 0640);
    FalloEscritura fallo;
    ASSERT_TRUE(filereplace::reemplaza(r("apuestas.dat"), "new contents", fallo, r("apuestas.tmp")));
    ASSERT_TRUE(filereplace::reemplaza(r("informe.pdf"), "%PDF", fallo));
    EXPECT_EQ((std::tuple{dir.read(QStringLiteral("apuestas.dat")), QFile::permissions(r("apuestas.dat"))}),
              (std::tuple{QByteArray("new contents"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                          QFile::WriteUser | QFile::ReadGroup}));
    ASSERT_EQ(::mkfifo(QFile::encodeName(r("fifo")).constData(), 0600), 0);
    EXPECT_EQ(std::tuple(filereplace::reemplaza(r("fifo"), "x", fallo), fallo.error),
              std::tuple(false, ENXIO));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"apuestas.dat", "fifo", "informe.pdf"}));
}

// Whichever call fails, with a named copy or an unnamed one, the target stays as it was,
// no copy is left and the failure carries that call's own error number.
TEST(FileReplace, EachFailingCallKeepsTheTargetAndItsErrorNumber) {
    enum Paso { Escribe, Sincroniza, Renombra };
    const std::tuple<Paso, int, bool> casos[] = {
        {Escribe, ENOSPC, true},  {Escribe, EDQUOT, false},   {Escribe, EIO, true},
        {Sincroniza, EIO, false}, {Sincroniza, ENOSPC, true}, {Renombra, EACCES, false},
        {Renombra, EPERM, true},  {Renombra, EROFS, false},   {Renombra, EXDEV, true}};
    for (const auto& [paso, error, nombrada] : casos) {
        TestFolder dir;
        dir.write(QStringLiteral("numeros.dat"), QByteArray("old"));
        filereplace::Llamadas llamadas = filereplace::llamadasDelSistema();
        const auto falla = [e = error](auto...) { return errno = e, -1; };
        if (paso == Escribe)
            llamadas.escribe = falla;
        else if (paso == Sincroniza)
            llamadas.sincroniza = falla;
        else
            llamadas.renombra = falla;
        FalloEscritura fallo;
        const QString dat = dir.ruta(QStringLiteral("numeros.dat"));
        EXPECT_FALSE(filereplace::reemplaza(dat, QByteArray(100, 'n'), fallo,
                                            nombrada ? dir.ruta(QStringLiteral("numeros.tmp")) : QString(),
                                            llamadas));
        EXPECT_EQ((std::tuple{fallo.ruta, fallo.error, dir.read(QStringLiteral("numeros.dat")),
                              QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)}),
                  (std::tuple{dat, error, QByteArray("old"), QStringList{"numeros.dat"}}))
            << paso << ' ' << error;
    }
}

// The cause comes from the error number alone; the title matches the text, which names the file
// and, for any other cause, gives the system's reason.
TEST(FileReplace, EachErrorNumberGivesItsCauseTitleAndText) {
    using C = CausaEscritura;
    const QString lleno =
        QStringLiteral("No se ha podido guardar el archivo numeros.dat porque el disco está "
                       "lleno. Libere espacio en el disco y repita la operación.");
    const QString permiso = QStringLiteral(
        "Para modificar el archivo necesita permiso de Administrador.\r\nCierre el programa y ejecútelo "
        "en modo Administrador y repita la operación.\r\n(Encima del icono, botón derecho y elija "
        "\"Ejecutar como administrador\")");
    const QString otra = QStringLiteral("No se ha podido guardar el archivo numeros.dat. (%1)");
    const std::pair<int, C> casos[] = {{ENOSPC, C::DiscoLleno}, {EDQUOT, C::DiscoLleno}, {EACCES, C::Permiso},
                                       {EPERM, C::Permiso},     {EROFS, C::Otra},        {EIO, C::Otra},
                                       {EFBIG, C::Otra},        {ENXIO, C::Otra}};
    for (const auto& [error, causa] : casos) {
        const AvisoEscritura aviso = avisoEscritura({QStringLiteral("/carpeta/numeros.dat"), error, "x"});
        const QStringList esperado = causa == C::DiscoLleno ? QStringList{"Disco lleno", lleno}
                                     : causa == C::Permiso
                                         ? QStringList{"Error de permiso", permiso}
                                         : QStringList{"Error de escritura", otra.arg(strerror(error))};
        EXPECT_EQ((std::tuple{causaEscritura(error), QStringList{aviso.titulo, aviso.texto}}),
                  (std::tuple{causa, esperado}))
            << error;
    }
}

// Only a regular file within the cap is read, whole; every refusal gives its status and reason.
TEST(CheckedRead, StatusesAndTheCapAtItsEdges) {
    using S = checkedread::Status;
    TestFolder dir;
    dir.write(QStringLiteral("diez"), "0123456789");
    dir.write(QStringLiteral("cerrado"), "x");
    QFile::setPermissions(dir.ruta(QStringLiteral("cerrado")), QFile::WriteOwner);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.ruta(QStringLiteral("fifo"))).constData(), 0600), 0);
    const std::tuple<const char*, qint64, S, QByteArray, int, QString> casos[] = {
        {"diez", 10, S::Ok, "0123456789", 0, ""},
        {"diez", 9, S::TooBig, "", 0, "es demasiado grande"},
        {"fifo", 10, S::NotRegular, "", 0, "no es un archivo normal"},
        {"nada", 10, S::Missing, "", ENOENT, strerror(ENOENT)},
        {"diez/x", 10, S::Missing, "", ENOTDIR, strerror(ENOTDIR)},
        {"cerrado", 10, S::Failed, "", EACCES, strerror(EACCES)}};
    SinPrivilegios comoUsuario;
    for (const auto& [f, cap, estado, datos, error, razon] : casos) {
        const checkedread::Result r = checkedread::read(dir.ruta(QLatin1String(f)), cap);
        EXPECT_EQ((std::tuple{r.status, r.data, r.error, r.reason()}),
                  (std::tuple{estado, datos, error, razon}))
            << f;
    }
}
