#include "penas/EditorPena.h"
#include "Entorno.h"
#include "support/LimiteEscritura.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// Clicks the numbers (1..49) in order.
void marca(EditorPena& ed, std::initializer_list<int> numeros) {
    for (int n : numeros)
        ed.Image1_Click(n - 1);
}

// A reduced table file: N = 9, G = 5, B = 12, the bets taking positions in turn.
QByteArray tablaNueve() {
    QByteArray t = "8\r\n4\r\n1\r\n010203040506\r\n9\r\n5\r\n12\r\n";
    for (int j = 0; j < 12; ++j) {
        for (int s = 0; s < 6; ++s)
            t += QByteArray::number((j + s) % 9 + 1).rightJustified(2, '0');
        t += "\r\n";
    }
    return t;
}

} // namespace

TEST(EditorPena, SimpleBetsAreCollectedAndSaved) {
    Entorno e;
    e.s.codMultiple = 0;
    EditorPena ed(e.s);
    ASSERT_TRUE(ed.Form_Load());
    EXPECT_EQ(ed.label4(), QStringLiteral("INTRODUZCA EL NOMBRE Y 6 NÚMEROS:"));
    EXPECT_FALSE(ed.grabarHabilitado());
    marca(ed, {45, 8, 21, 4, 33});
    ed.Image1_Click(7);  // unmark 8
    ed.Image1_Click(49); // no such cell: nothing changes
    ed.Image1_Click(-1);
    EXPECT_EQ(std::tuple(ed.marcados(), ed.marcado(7), ed.marcado(3)), std::tuple(4, false, true));
    marca(ed, {8, 30});
    ASSERT_EQ(ed.lista(), QStringList{QStringLiteral(" 4- 8-21-30-33-45")});
    EXPECT_EQ(
        (std::tuple{ed.label3(), ed.marcados(), ed.marcado(3), ed.grabarHabilitado(), ed.borrarHabilitado()}),
        (std::tuple{QStringLiteral("1"), 0, false, true, true}));

    marca(ed, {1, 2, 3, 4, 5});
    EXPECT_FALSE(ed.grabarHabilitado()); // a bet in progress
    marca(ed, {49});
    ASSERT_EQ(ed.lista().value(1), QStringLiteral(" 1- 2- 3- 4- 5-49"));
    // Borrar drops the last bet; the next one takes its place.
    ed.Command2_Click();
    EXPECT_EQ(ed.lista().size(), 1);
    marca(ed, {11, 12, 13, 14, 15, 16});

    EXPECT_EQ(ed.Text1_Change(EditorPena::Text1_KeyPress(QStringLiteral("los de peña"))),
              QStringLiteral("LOS DE PEÑA"));
    ed.Command1_Click();
    EXPECT_TRUE(e.dialogs.boxes.isEmpty());
    ASSERT_EQ(e.s.files.apuestas.count(), 1);
    const RegPena p = e.s.files.apuestas.get<RegPena>(1);
    EXPECT_EQ((std::tuple{p.nombre, p.numApuestas, p.dias.trimmed(), p.fecha, p.fecha2, p.reducida[0]}),
              (std::tuple{QStringLiteral("LOS DE PEÑA         "), 2, QStringLiteral("Todos (L+J+S)"),
                          oledate::fromQDate(QDate(2026, 12, 5)), 0, 0}));
    EXPECT_EQ((std::vector<int16_t>(p.apuestas[1].begin(), p.apuestas[1].begin() + 6)),
              (std::vector<int16_t>{11, 12, 13, 14, 15, 16}));
    // Ready for the next peña of the same kind.
    EXPECT_EQ((std::tuple{e.s.sigPena, e.s.penasCambiadas, ed.lista().size(), ed.nombre(), e.s.contApuestas}),
              (std::tuple{2, 1, 0, QString(), 0}));
}

TEST(EditorPena, SimpleBetLimitStopsAt205) {
    Entorno e;
    EditorPena ed(e.s);
    ed.Form_Load();
    for (int b = 0; b < 205; ++b)
        marca(ed, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(ed.label3(), QStringLiteral("205"));
    ed.Image1_Click(10);
    EXPECT_EQ(e.textos(), QStringList{QStringLiteral("Máximo de apuestas sencillas por peña : 205.")});
    EXPECT_EQ((std::tuple{e.dialogs.boxes.value(0).icon, ed.marcado(10), ed.grabarHabilitado()}),
              (std::tuple{Dialogs::Icon::Information, false, true}));
    ed.Command3_Click();
    EXPECT_EQ(e.dialogs.boxes.size(), 2);

    // After dropping a bet, random marking fills the free place again; after saving the full
    // peña it starts the next one.
    ed.Command2_Click();
    ed.Command3_Click();
    EXPECT_EQ(ed.label3(), QStringLiteral("205"));
    ed.Image1_Click(0); // refused at the limit
    ed.Text1_Change(QStringLiteral("LLENA"));
    ed.Command1_Click();
    ASSERT_EQ(e.s.files.apuestas.count(), 1);
    ed.Command3_Click();
    EXPECT_EQ(ed.lista().size(), 1);
}

TEST(EditorPena, RandomMultipleMarksDistinctNumbersOnce) {
    Entorno e;
    e.s.codMultiple = 2;
    double x = 0.0;
    // Values that repeat after rounding, to exercise the redraw.
    EditorPena ed(e.s, [&x] {
        x += 0.013;
        return x - static_cast<int>(x);
    });
    ed.Form_Load();
    ed.Command3_Click();
    ASSERT_EQ(ed.lista().size(), 1);
    const QStringList numeros = ed.lista().first().split(u'-');
    const bool aleatorio = ed.aleatorioHabilitado();
    ed.Command2_Click(); // dropping the one bet allows another random one
    EXPECT_EQ((std::tuple{numeros.size(), QSet<QString>(numeros.begin(), numeros.end()).size(), aleatorio,
                          ed.aleatorioHabilitado()}),
              (std::tuple{8, 8, false, true}));
}

TEST(EditorPena, ReducedSystemExpandsTheChosenNumbersByTheTable) {
    Entorno e;
    e.carpeta.write(QStringLiteral("tablas.bin"), tablaNueve());
    e.s.codMultiple = 7;
    e.s.tablaElegida = 1;
    EditorPena ed(e.s);
    ASSERT_TRUE(ed.Form_Load());
    EXPECT_EQ(ed.porApuesta(), 9);
    const std::array<int, 9> elegidos = {3, 8, 14, 19, 25, 30, 36, 41, 47};
    for (int n : {47, 3, 25, 8, 41, 14, 36, 19, 30})
        ed.Image1_Click(n - 1);
    EXPECT_EQ(ed.lista(), QStringList{QStringLiteral(" 3- 8-14-19-25-30-36-41-47")});
    ed.Image1_Click(0);
    EXPECT_EQ(e.textos(),
              QStringList{QStringLiteral("¡¡ Sólo puedes poner 9 números en este tipo de reducida !! ")});
    ed.Text1_Change(QStringLiteral("RED"));
    ed.Command1_Click();
    const RegPena p = e.s.files.apuestas.get<RegPena>(1);
    EXPECT_EQ((std::tuple{p.numApuestas, p.reducida[0], p.reducida[1]}), (std::tuple{12, 9, 5}));
    EXPECT_EQ(std::vector<int>(p.base.begin(), p.base.begin() + 9),
              std::vector<int>(elegidos.begin(), elegidos.end()));
    for (int j = 0; j < 12; ++j)
        for (int s = 0; s < 6; ++s)
            EXPECT_EQ(p.apuestas[static_cast<size_t>(j)][static_cast<size_t>(s)],
                      elegidos[static_cast<size_t>((j + s) % 9)]);
}

TEST(EditorPena, SaveAndNamesAreRefusedWithTheReasonAndNothingWritten) {
    Entorno e;
    EditorPena ed(e.s);
    ed.Form_Load();
    marca(ed, {1, 2, 3, 4, 5, 6});

    ed.Command1_Click();
    EXPECT_EQ(e.textos().value(0), QStringLiteral("¡¡¡No ha escrito el nombre de la peña!!!"));
    ed.Image1_Click(20);
    EXPECT_EQ(e.textos().value(1),
              QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números."));
    EXPECT_FALSE(ed.marcado(20));

    ed.Text1_Change(QStringLiteral("X"));
    e.sorteo(QDate(2026, 12, 7));
    ed.Command1_Click();
    EXPECT_TRUE(e.textos().value(2).startsWith(QStringLiteral("Hay sorteos con fecha posterior")));
    EXPECT_EQ(e.s.files.apuestas.count(), 0);

    // Names of more than 20 letters are refused.
    e.dialogs.boxes.clear();
    EXPECT_EQ(ed.Text1_Change(QStringLiteral("12345678901234567890")),
              QStringLiteral("12345678901234567890"));
    EXPECT_TRUE(e.dialogs.boxes.isEmpty());
    EXPECT_EQ(ed.Text1_Change(QStringLiteral("123456789012345678901")),
              QStringLiteral("12345678901234567890"));
    EXPECT_EQ(e.textos(), QStringList{QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!")});
    // Characters the peñas file cannot hold are refused; the rest stays.
    EXPECT_EQ(ed.Text1_Change(QStringLiteral("PEÑA €5 ✓")), QStringLiteral("PEÑA €5 "));
    EXPECT_EQ(e.dialogs.boxes.size(), 2);
    EXPECT_EQ(EditorPena::Text1_KeyPress(QStringLiteral("ñandú µ")), QStringLiteral("ÑANDÚ µ"));

    Entorno f;
    f.guarda(Entorno::pena(QStringLiteral("FUTURA"), 1, QStringLiteral("Lunes"), QDate(2026, 12, 10)));
    EditorPena ed2(f.s);
    ed2.Form_Load();
    marca(ed2, {1, 2, 3, 4, 5, 6});
    ed2.Text1_Change(QStringLiteral("Y"));
    ed2.Command1_Click();
    EXPECT_EQ(f.textos(), QStringList{QStringLiteral(
                              "¡¡¡No puede crear una peña con fecha anterior a una ya existente!!!. "
                              "Borre dicha peña antes de crear ésta.")});
    EXPECT_EQ(f.s.files.apuestas.count(), 1);
}

// A short write leaves no part of the new peña behind; stray bytes give their place to it.
TEST(EditorPena, AFailedSaveLeavesNothingAndNamesItsCause) {
    Entorno e;
    e.guarda(Entorno::pena(QStringLiteral("PRIMERA"), 1));
    EditorPena ed(e.s);
    ed.Form_Load();
    marca(ed, {1, 2, 3, 4, 5, 6});
    ed.Text1_Change(QStringLiteral("NUEVA"));
    const QString dat = QStringLiteral("apuestas.dat");
    {
        LimiteEscritura limite(RegPena::kSize + 2364);
        ed.Command1_Click();
    }
    EXPECT_EQ(std::tuple(e.carpeta.read(dat).size(), e.dialogs.boxes.value(0).title),
              std::tuple(RegPena::kSize, QStringLiteral("Error de escritura")));
    EXPECT_TRUE(
        e.textos().value(0).startsWith(QStringLiteral("No se ha podido guardar el archivo apuestas.dat")));
    e.carpeta.write(dat, e.carpeta.read(dat) + "stray");
    ed.Command1_Click();
    EXPECT_EQ(std::tuple(e.carpeta.read(dat).size(), e.s.files.apuestas.get<RegPena>(2).nombre.trimmed()),
              std::tuple(2 * RegPena::kSize, QStringLiteral("NUEVA")));
}

TEST(EditorPena, FromTheWizardMarksTheRankingAndClosesAfterSaving) {
    Entorno e;
    e.guarda(Entorno::pena(QStringLiteral("ANTES"), 1, QStringLiteral("Lunes"), QDate(2026, 12, 5))); // today
    e.s.sigPena = 0; // a stale count must not overwrite the stored peña
    e.s.codMultiple = 1;
    e.s.delAsistente = 1;
    for (int i = 0; i < 49; ++i)
        e.s.numerosAuto[static_cast<size_t>(i)] = static_cast<int16_t>(49 - i);
    EditorPena ed(e.s);
    bool cerrado = false;
    ed.alCerrar = [&] { cerrado = true; };
    ed.Form_Load();
    EXPECT_FALSE(ed.aleatorioHabilitado());
    EXPECT_EQ(ed.lista(), QStringList{QStringLiteral("43-44-45-46-47-48-49")});
    ed.Text1_Change(QStringLiteral("ASISTENTE"));
    ed.Command1_Click();
    ASSERT_EQ(e.s.files.apuestas.count(), 2);
    EXPECT_EQ((std::tuple{cerrado, e.s.files.apuestas.get<RegPena>(1).nombre.trimmed(),
                          e.s.files.apuestas.get<RegPena>(2).numApuestas, e.s.sigPena}),
              (std::tuple{true, QStringLiteral("ANTES"), 501, 3}));
}
