#include "core/RecordFile.h"
#include "core/FileReplace.h"
#include "core/Records.h"
#include "support/SinPrivilegios.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QFileInfo>
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
    EXPECT_EQ(f.get<RegSorteo>(1).bolas[0], 9);
    EXPECT_EQ((std::tuple{f.put(2, a), f.count()}), (std::tuple{false, 1}));
}

TEST(FileReplace, MoveOverReplacesWholeAndConsumesTheCopy) {
    TestFolder dir;
    const auto r = [&dir](const char* n) { return dir.ruta(QString::fromLatin1(n)); };
    dir.write(QStringLiteral("apuestas.dat"), QByteArray("old"));
    dir.write(QStringLiteral("apuestas.tmp"), QByteArray("new contents"));
    ASSERT_TRUE(filereplace::moveOver(r("apuestas.tmp"), r("apuestas.dat")));
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), QByteArray("new contents"));
    EXPECT_FALSE(dir.exists(QStringLiteral("apuestas.tmp")));
    // A missing copy leaves the original untouched.
    EXPECT_FALSE(filereplace::moveOver(r("nada.tmp"), r("apuestas.dat")));
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), QByteArray("new contents"));
    // A missing file may be made; a FIFO without a reader is refused at once, not waited on.
    ASSERT_EQ(::mkfifo(QFile::encodeName(r("fifo")).constData(), 0600), 0);
    EXPECT_EQ(std::tuple(filereplace::reemplazable(r("nada.dat")), filereplace::reemplazable(r("fifo"))),
              std::tuple(true, false));
}

// The copy's data reach the disk before the rename, and a copy that cannot be flushed is
// never renamed over the original.
TEST(FileReplace, FlushesBeforeRenamingAndRenamesNothingUnflushed) {
    QStringList orden;
    bool flushOk = true;
    filereplace::Llamadas registro = filereplace::llamadasDelSistema();
    const auto sincroniza = registro.sincroniza;
    const auto renombra = registro.renombra;
    registro.sincroniza = [&](const QString& p) {
        orden << QStringLiteral("flush ") + QFileInfo(p).fileName();
        return flushOk && sincroniza(p);
    };
    registro.renombra = [&](const QString& a, const QString& b) {
        orden << QStringLiteral("rename");
        return renombra(a, b);
    };
    TestFolder dir;
    dir.write(QStringLiteral("numeros.dat"), QByteArray("old"));
    dir.write(QStringLiteral("numeros.tmp"), QByteArray("new"));
    const QString tmp = dir.ruta(QStringLiteral("numeros.tmp")),
                  dat = dir.ruta(QStringLiteral("numeros.dat"));
    flushOk = false;
    EXPECT_FALSE(filereplace::moveOver(tmp, dat, registro));
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), QByteArray("old"));
    flushOk = true;
    EXPECT_TRUE(filereplace::moveOver(tmp, dat, registro));
    EXPECT_EQ(orden, (QStringList{"flush numeros.tmp", "flush numeros.tmp", "rename"}));
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), QByteArray("new"));
}
