#include "core/MantenimientoSorteos.h"
#include "core/CheckedRead.h"
#include "core/OleDate.h"
#include "download/Fakes.h"
#include "support/HistoriaReal.h"
#include "support/LimiteEscritura.h"
#include "support/SesionPrueba.h"
#include "support/SinPrivilegios.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using A = Dialogs::Answer;

RegSorteo sorteo(QDate d, int primero, double joker = -1) {
    return registroSorteo(oledate::fromQDate(d), {primero, 12, 23, 34, 41, 49}, 7, 3, joker);
}

// Three draws (Thursday, Saturday, Monday) and two peñas with counters.
struct Upkeep : SesionPrueba {
    Upkeep() : SesionPrueba(QDate(2026, 12, 5)) {
        for (const RegSorteo& r :
             {sorteo({2026, 11, 26}, 1), sorteo({2026, 11, 28}, 2), sorteo({2026, 11, 30}, 3)})
            numeros += r.encode();
        dir.write(QStringLiteral("numeros.dat"), numeros);
        for (int i = 0; i < 2; ++i) {
            RegPena p = registroPena(QStringLiteral("PEÑA %1").arg(i), QStringLiteral("Todos (L+J+S)"),
                                     oledate::fromYmd(2020, 1, 1), {}, 3);
            p.aciertos = {4, 3, 2, 1, 1};
            p.fecha2 = oledate::fromYmd(2026, 11, 30);
            penas += p.encode();
        }
        dir.write(QStringLiteral("apuestas.dat"), penas);
        abreDatos();
        s.sigSorteo = 4;
        s.urls = &urls;
        s.cfg.webhost = QStringLiteral("  ejemplo.es  ");
        m.enlaces.resumen = [this] { llamadas << QStringLiteral("resumen"); };
        m.enlaces.refrescar = [this] { llamadas << QStringLiteral("refrescar"); };
        m.enlaces.penasReseteadas = [this] { llamadas << QStringLiteral("reseteadas"); };
        m.enlaces.estadisticas = [this] { llamadas << QStringLiteral("estadisticas"); };
        m.enlaces.guardaSeleccion = [this] { llamadas << QStringLiteral("guarda"); };
    }
    QByteArray leer(const char* f) const { return dir.read(QString::fromLatin1(f)); }

    FakeUrls urls;
    MantenimientoSorteos m{s};
    QByteArray numeros, penas;
    QStringList llamadas;
};

} // namespace

TEST(Mantenimiento, DeleteAllAnswersDecideWhatChanges) {
    for (const auto& [borrar, resetear] :
         {std::pair{A::No, A::No}, {A::Yes, A::No}, {A::No, A::Yes}, {A::Yes, A::Yes}}) {
        Upkeep u;
        u.dialogs.answers = {borrar, resetear};
        u.m.Command5_Click();
        EXPECT_EQ(std::tuple(u.m.modoBorrar, u.dialogs.boxes.size(), u.dialogs.boxes.value(0).text),
                  std::tuple(1, 2, QStringLiteral("¿Seguro que quieres borrar todos los sorteos?")));
        EXPECT_EQ(std::tuple(u.leer("numeros.dat"), u.s.sigSorteo),
                  borrar == A::Yes ? std::tuple(QByteArray(), 1) : std::tuple(u.numeros, 4));
        QByteArray penas = u.penas;
        for (int i = 0; resetear == A::Yes && i < 2; ++i) {
            RegPena p = RegPena::decode(penas.mid(i * RegPena::kSize, RegPena::kSize));
            p.aciertos = {};
            p.fecha2 = 0;
            p.fecha = oledate::fromYmd(2026, 12, 5);
            penas.replace(i * RegPena::kSize, RegPena::kSize, p.encode());
        }
        EXPECT_EQ(u.leer("apuestas.dat"), penas);
        EXPECT_EQ(u.llamadas.join(u' '),
                  QStringLiteral("%1 %2")
                      .arg(borrar == A::Yes ? "resumen refrescar estadisticas guarda" : "",
                           resetear == A::Yes ? "reseteadas resumen" : "")
                      .trimmed());
    }
}

// A click deletes only after the first press of "Borrar todos los sorteos", only after a
// "Sí", and only the draw the row shows.
TEST(Mantenimiento, DeleteOneDrawRemovesThatRecord) {
    Upkeep u;
    const RegSorteo jueves = RegSorteo::decode(u.numeros.left(32));
    EXPECT_EQ((std::tuple{u.m.ListView3_ItemClick(1, jueves), u.dialogs.boxes.size()}),
              (std::tuple{false, 0}));
    u.m.modoBorrar = 1;
    u.dialogs.answers = {A::No};
    // "No", then a row whose record no longer holds its draw: nothing deleted.
    EXPECT_EQ((std::tuple{u.m.ListView3_ItemClick(1, jueves), u.m.ListView3_ItemClick(2, jueves),
                          u.leer("numeros.dat")}),
              (std::tuple{false, false, u.numeros}));
    // The recount fills the list anew; the file in use is the new one.
    EXPECT_FALSE(u.m.ListView3_ItemClick(1, jueves));
    EXPECT_EQ((std::tuple{u.leer("numeros.dat"), u.s.sigSorteo, u.llamadas,
                          u.dir.exists(QStringLiteral("numeros.tmp")), u.s.files.numeros.count()}),
              (std::tuple{u.numeros.mid(32), 3, QStringList{"resumen", "estadisticas", "guarda"}, false, 2}));
}

// A copy that cannot be written whole stops the operation with a message naming the file
// and the reason, and leaves every file as it was: a folder standing where the copy goes,
// and a limit on the size of written files (for the import, above the size of the backup).
TEST(Mantenimiento, FailedWritesNameTheFileAndKeepEverything) {
    Upkeep u;
    QDir().mkpath(u.dir.ruta(QStringLiteral("numeros.tmp")));
    u.dialogs.answers = {A::Yes, A::Ok, A::Ok, A::Yes, A::Ok, A::No, A::Yes};
    u.m.Command5_Click();
    QDir().rmdir(u.dir.ruta(QStringLiteral("numeros.tmp")));
    u.dir.write(QStringLiteral("NUMEROS.DAT"), u.numeros + sorteo({2026, 12, 3}, 9).encode());
    u.dialogs.files = {u.dir.ruta(QStringLiteral("NUMEROS.DAT"))};
    {
        LimiteEscritura limite(u.numeros.size() + 16);
        u.m.Command8_Click();
    }
    {
        LimiteEscritura limite(40);
        u.m.ListView3_ItemClick(1, RegSorteo::decode(u.numeros.left(32)));
        u.m.Command5_Click();
    }
    ASSERT_EQ(u.dialogs.boxes.size(), 8);
    // The folder stands in the copy's way; the limit stops the writes of the others.
    for (const auto& [i, fichero, error] :
         {std::tuple{1, "numeros.tmp", EISDIR}, std::tuple{2, "numeros.dat", EFBIG},
          std::tuple{4, "numeros.dat", EFBIG}, std::tuple{7, "apuestas.dat", EFBIG}})
        EXPECT_EQ(
            (std::tuple{u.dialogs.boxes[i].title, u.dialogs.boxes[i].icon, u.dialogs.boxes[i].text}),
            (std::tuple{QStringLiteral("Error de escritura"), Dialogs::Icon::Exclamation,
                        QStringLiteral("No se ha podido guardar el archivo %1. (%2)")
                            .arg(QLatin1String(fichero), QString::fromLocal8Bit(std::strerror(error)))}))
            << i;
    EXPECT_EQ((std::tuple{u.leer("numeros.dat"), u.leer("numeros.bak"), u.leer("apuestas.dat")}),
              (std::tuple{u.numeros, u.numeros, u.penas}));
    // The peñas, not reset, are shown as they are on disk.
    EXPECT_EQ(u.llamadas, (QStringList{QStringLiteral("reseteadas"), QStringLiteral("resumen")}));
    EXPECT_EQ(QDir(u.dir.path()).entryList(QDir::Files).filter(QStringLiteral(".tmp")), QStringList());
}

namespace {
// Reads that stop after 32 bytes: with a bad sector's error, or at an early end.
int g_lecturas = 0;
template <bool kError> ssize_t cortada(int fd, void* buf, size_t n) {
    if (g_lecturas++ == 0)
        return ::read(fd, buf, std::min<size_t>(n, 32));
    errno = EIO;
    return kError ? -1 : 0;
}
} // namespace

// A file that cannot be read whole stops the reset (and a draw's deletion) before anything is
// written: the box names the file and the reason, and every file stays as it was.
TEST(Mantenimiento, UnreadableFilesStopTheRewriteAndKeepEverything) {
    for (const auto& [llamada, razon] : {std::pair{&cortada<true>, QStringLiteral("Input/output error")},
                                         {&cortada<false>, QStringLiteral("lectura incompleta")},
                                         {nullptr, QStringLiteral("Permission denied")}}) {
        Upkeep u;
        const QFile::Permissions modo = llamada ? QFile::ReadOwner | QFile::WriteOwner : QFile::WriteOwner;
        for (const char* f : {"apuestas.dat", "numeros.dat"})
            QFile::setPermissions(u.dir.ruta(QLatin1String(f)), modo);
        u.dialogs.answers = {A::No, A::Yes, A::Yes};
        {
            SinPrivilegios comoUsuario;
            checkedread::setReadCall(llamada);
            g_lecturas = 0;
            u.m.Command5_Click();
            g_lecturas = 0;
            EXPECT_FALSE(u.m.ListView3_ItemClick(1, RegSorteo::decode(u.numeros.left(32))));
            checkedread::setReadCall(nullptr);
        }
        ASSERT_EQ(u.dialogs.boxes.size(), 5);
        for (const auto& [i, f] : {std::pair{2, "apuestas.dat"}, {4, "numeros.dat"}})
            EXPECT_EQ(
                u.dialogs.caja(i),
                (std::tuple{QStringLiteral("No se ha podido leer el archivo %1 (%2). No se ha cambiado nada.")
                                .arg(QLatin1String(f), razon),
                            QStringLiteral("Error de lectura"), Dialogs::Icon::Exclamation}));
        // Read back with privileges: a write-only file still shows what it holds.
        EXPECT_EQ((std::tuple{u.leer("apuestas.dat"), u.leer("numeros.dat")}),
                  (std::tuple{u.penas, u.numeros}));
    }
}

struct Importar {
    const char* caso;
    QByteArray datos; // empty with `falta`: no file at all
    bool valido;
};

class Importa : public ::testing::TestWithParam<Importar> {};

TEST_P(Importa, ValidFilesReplaceTheDrawsWholeOthersLoseNothing) {
    const Importar& p = GetParam();
    Upkeep u;
    const QString elegido = u.dir.ruta(QStringLiteral("otra/NUMEROS.DAT"));
    QDir().mkpath(u.dir.ruta(QStringLiteral("otra")));
    const QByteArray caso(p.caso);
    u.dialogs.files = {caso == "propio" ? u.dir.ruta(QStringLiteral("numeros.dat")) : elegido};
    QFile f(elegido);
    // A pipe would hold the window in its opening for good and a device would be read
    // without end: only a regular file is opened.
    ASSERT_TRUE(caso == "propio" || caso == "falta" ||
                (caso == "fifo" && ::mkfifo(QFile::encodeName(elegido).constData(), 0600) == 0) ||
                (caso == "cero" && QFile::link(QStringLiteral("/dev/zero"), elegido)) ||
                (f.open(QIODevice::WriteOnly) && f.write(p.datos) == p.datos.size() && f.flush()));
    u.m.Command8_Click();
    ASSERT_EQ(u.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(u.dialogs.fileDialogs[0].split(u'|'),
              (QStringList{"Seleccione el archivo NUMEROS.DAT", QDir::homePath(), "Archivos de sorteos",
                           "numeros.dat"}));
    ASSERT_EQ(u.dialogs.boxes.size(), 1);
    if (p.valido) {
        EXPECT_EQ(u.dialogs.caja(0),
                  (std::tuple{QStringLiteral("Archivo de sorteos importado con éxito"),
                              QStringLiteral("Todos los sorteos"), Dialogs::Icon::Information}));
        EXPECT_EQ((std::tuple{u.leer("numeros.dat"), u.leer("numeros.bak")}),
                  (std::tuple{caso == "propio" ? u.numeros : p.datos, u.numeros}));
        EXPECT_EQ(u.llamadas, (QStringList{QStringLiteral("resumen"), QStringLiteral("refrescar"),
                                           QStringLiteral("estadisticas"), QStringLiteral("guarda")}));
    } else {
        // A missing file is told with its error number.
        EXPECT_EQ(u.dialogs.caja(0),
                  (std::tuple{QStringLiteral("Fichero de sorteos no válido. Compruebe que el "
                                             "archivo NUMEROS.DAT sea para Velmorat.") +
                                  (caso == "falta" ? QStringLiteral(" Error 53") : QString()),
                              QStringLiteral("¡Vaya hombre!"), Dialogs::Icon::Exclamation}));
        EXPECT_EQ(
            (std::tuple{u.leer("numeros.dat"), u.dir.exists(QStringLiteral("numeros.bak")), u.llamadas}),
            (std::tuple{u.numeros, false, QStringList()}));
    }
    EXPECT_EQ(u.leer("apuestas.dat"), u.penas);
    EXPECT_EQ(u.s.files.numeros.count(), u.leer("numeros.dat").size() / 32);
}

namespace {
QByteArray historia(std::initializer_list<QDate> dias) {
    QByteArray b;
    for (const QDate& d : dias)
        b += sorteo(d, 5).encode();
    return b;
}
// Three good draws whose last one has `valor` in ball slot `campo` (8: the Joker).
QByteArray ultimoCon(size_t campo, double valor) {
    RegSorteo r = sorteo({2011, 10, 3}, 5);
    if (campo < 8)
        r.bolas[campo] = int16_t(valor);
    else
        r.numJoker = valor;
    return historia({{1999, 1, 2}, {1999, 1, 7}}) + r.encode();
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Archivos, Importa,
    ::testing::Values(
        Importar{"bueno", ultimoCon(7, -1) + sorteo({2012, 1, 5}, 2, 0).encode(), true},
        Importar{"historia", bytesHistoriaReal(), true}, Importar{"propio", {}, true},
        Importar{"vacio", {}, false}, Importar{"lunes", historia({{2011, 10, 3}, {2011, 10, 6}}), false},
        // Four old 24-byte records: a multiple of 32 bytes, the first date where a draw has it.
        Importar{"antiguo", sorteosAntiguos(4), false},
        Importar{"fragmento", historia({{1999, 1, 2}, {1999, 1, 7}}) + historia({{1999, 1, 9}}).left(31),
                 false},
        Importar{"repetido", ultimoCon(1, 5), false}, Importar{"cincuenta", ultimoCon(4, 50), false},
        Importar{"complementario", ultimoCon(6, 12), false}, Importar{"reintegro", ultimoCon(7, 10), false},
        Importar{"joker", ultimoCon(8, std::numeric_limits<double>::infinity()), false},
        Importar{"mismoDia", historia({{1999, 1, 7}, {1999, 1, 7}}), false}, Importar{"falta", {}, false},
        // Today's draw may be imported, one dated after it may not.
        Importar{"hoy", historia({{1999, 1, 2}, {2026, 12, 5}}), true},
        Importar{"futuro", historia({{1999, 1, 2}, {2026, 12, 6}}), false}, Importar{"fifo", {}, false},
        Importar{"cero", {}, false}),
    [](const auto& i) { return std::string(i.param.caso); });

TEST(Mantenimiento, CancelledImportOffersTheShop) {
    for (const A respuesta : {A::No, A::Yes}) {
        Upkeep u;
        u.dialogs.answers = {respuesta};
        u.m.Command8_Click();
        const QString tienda =
            QStringLiteral("http://ejemplo.es/tienda/Product_list_C)%20%20%20%20%20%20%20EXTRAS%20"
                           "PARA%20LOS%20PROGRAMAS_1.html");
        EXPECT_EQ((std::tuple{u.dialogs.boxes.size(), u.dialogs.boxes.value(0).title, u.urls.opened,
                              u.leer("numeros.dat")}),
                  (std::tuple{1, QStringLiteral("Velmorat"),
                              respuesta == A::Yes ? QStringList{tienda} : QStringList(), u.numeros}));
    }
}
