#include "core/MantenimientoSorteos.h"
#include "core/OleDate.h"
#include "platform/UrlOpener.h"
#include "support/SesionPrueba.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using A = Dialogs::Answer;

class Urls final : public UrlOpener {
  public:
    void open(const QString& url) override { abiertas << url; }
    QStringList abiertas;
};

RegSorteo sorteo(QDate d, int primero) {
    return registroSorteo(oledate::fromQDate(d), {primero, 12, 23, 34, 41, 49}, 7, 3);
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
    }
    QByteArray leer(const char* f) const { return dir.read(QString::fromLatin1(f)); }

    Urls urls;
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
        EXPECT_EQ(u.m.modoBorrar, 1);
        ASSERT_EQ(u.dialogs.boxes.size(), 2);
        EXPECT_EQ(u.dialogs.boxes[0].text, QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"));
        EXPECT_EQ(u.leer("numeros.dat"), borrar == A::Yes ? QByteArray() : u.numeros);
        QByteArray penas = u.penas;
        for (int i = 0; resetear == A::Yes && i < 2; ++i) {
            RegPena p = RegPena::decode(penas.mid(i * RegPena::kSize, RegPena::kSize));
            p.aciertos = {};
            p.fecha2 = 0;
            p.fecha = oledate::fromYmd(2026, 12, 5);
            penas.replace(i * RegPena::kSize, RegPena::kSize, p.encode());
        }
        EXPECT_EQ(u.leer("apuestas.dat"), penas);
        QStringList esperadas;
        if (borrar == A::Yes)
            esperadas << QStringLiteral("resumen") << QStringLiteral("refrescar");
        if (resetear == A::Yes)
            esperadas << QStringLiteral("reseteadas") << QStringLiteral("resumen");
        EXPECT_EQ(u.llamadas, esperadas);
    }
}

// A click deletes only after the first press of "Borrar todos los sorteos", only after a
// "Sí", and only the draw the row shows.
TEST(Mantenimiento, DeleteOneDrawRemovesThatRecord) {
    Upkeep u;
    const RegSorteo jueves = RegSorteo::decode(u.numeros.left(32));
    EXPECT_FALSE(u.m.ListView3_ItemClick(1, jueves));
    EXPECT_TRUE(u.dialogs.boxes.isEmpty());
    u.m.modoBorrar = 1;
    u.dialogs.answers = {A::No};
    EXPECT_FALSE(u.m.ListView3_ItemClick(1, jueves));
    EXPECT_EQ(u.leer("numeros.dat"), u.numeros);
    // A row whose record no longer holds its draw deletes nothing.
    EXPECT_FALSE(u.m.ListView3_ItemClick(2, jueves));
    EXPECT_EQ(u.leer("numeros.dat"), u.numeros);

    EXPECT_TRUE(u.m.ListView3_ItemClick(1, jueves));
    EXPECT_EQ(u.leer("numeros.dat"), u.numeros.mid(32));
    EXPECT_EQ(u.s.sigSorteo, 3);
    EXPECT_EQ(u.llamadas, QStringList{QStringLiteral("resumen")});
    EXPECT_FALSE(u.dir.exists(QStringLiteral("numeros.tmp")));
    // The file in use is the new one.
    EXPECT_EQ(u.s.files.numeros.count(), 2);
}

// A temporary copy that cannot be written (here a folder stands in its place) stops the
// operation with the permission message and leaves the draws as they were.
TEST(Mantenimiento, FailedCopyTellsAndKeepsTheFiles) {
    Upkeep u;
    QDir().mkpath(u.dir.ruta(QStringLiteral("numeros.tmp")));
    u.dialogs.answers = {A::Yes};
    u.m.Command5_Click();
    ASSERT_EQ(u.dialogs.boxes.size(), 2);
    EXPECT_EQ(u.dialogs.boxes[1].title, QStringLiteral("Error de permiso"));
    EXPECT_EQ(u.leer("numeros.dat"), u.numeros);
    EXPECT_TRUE(u.llamadas.isEmpty());
    EXPECT_EQ(u.s.files.numeros.count(), 3);
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
    ASSERT_TRUE(caso == "propio" || caso == "falta" ||
                (f.open(QIODevice::WriteOnly) && f.write(p.datos) == p.datos.size() && f.flush()));
    u.m.Command8_Click();
    ASSERT_EQ(u.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(u.dialogs.fileDialogs[0],
              QStringLiteral("Seleccione el archivo NUMEROS.DAT|") + QDir::homePath());
    ASSERT_EQ(u.dialogs.boxes.size(), 1);
    if (p.valido) {
        EXPECT_EQ(u.dialogs.boxes[0].text, QStringLiteral("Archivo de sorteos importado con éxito"));
        EXPECT_EQ(u.leer("numeros.dat"), caso == "propio" ? u.numeros : p.datos);
        EXPECT_EQ(u.leer("numeros.bak"), u.numeros);
        EXPECT_EQ(u.llamadas, (QStringList{QStringLiteral("resumen"), QStringLiteral("refrescar")}));
    } else {
        EXPECT_EQ(u.dialogs.boxes[0].title, QStringLiteral("¡Vaya hombre!"));
        EXPECT_TRUE(u.dialogs.boxes[0].text.startsWith(QStringLiteral("Fichero de sorteos no válido.")));
        EXPECT_EQ(u.leer("numeros.dat"), u.numeros);
        EXPECT_FALSE(u.dir.exists(QStringLiteral("numeros.bak")));
        EXPECT_TRUE(u.llamadas.isEmpty());
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
// Four 24-byte records: their size is a multiple of 32 and the first date sits where a
// 32-byte record has it.
QByteArray antiguos() {
    QByteArray b;
    for (int i = 0; i < 4; ++i) {
        RegSorteoAntiguo r;
        r.bolas = {1, 2, 3, 4, 5, 6, 7, 8};
        r.fecha = oledate::fromYmd(1990, 1, 4 + 7 * i);
        b += r.encode();
    }
    return b;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Archivos, Importa,
    ::testing::Values(Importar{"bueno", historia({{1999, 1, 2}, {1999, 1, 7}, {2011, 10, 3}}), true},
                      Importar{"propio", {}, true}, Importar{"vacio", {}, false},
                      Importar{"lunes", historia({{2011, 10, 3}, {2011, 10, 6}}), false},
                      Importar{"antiguo", antiguos(), false},
                      Importar{"corto", historia({{1999, 1, 2}}) + QByteArray(5, '\1'), false},
                      Importar{"falta", {}, false}),
    [](const auto& i) { return std::string(i.param.caso); });

TEST(Mantenimiento, CancelledImportOffersTheShop) {
    for (const A respuesta : {A::No, A::Yes}) {
        Upkeep u;
        u.dialogs.answers = {respuesta};
        u.m.Command8_Click();
        ASSERT_EQ(u.dialogs.boxes.size(), 1);
        EXPECT_EQ(u.dialogs.boxes[0].title, QStringLiteral("Velmorat"));
        ASSERT_EQ(u.urls.abiertas.size(), respuesta == A::Yes ? 1 : 0);
        EXPECT_TRUE(respuesta == A::No || u.urls.abiertas[0].startsWith(
                                              QStringLiteral("http://ejemplo.es/tienda/Product_list_C)")));
        EXPECT_EQ(u.leer("numeros.dat"), u.numeros);
    }
}
