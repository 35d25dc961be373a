#include "Escenario.h"

#include "support/LimiteEscritura.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Monday 7 December 2026, after the week of kJue and kSab.
double kLun() {
    return Escenario::fecha(2026, 12, 7);
}

class Sencillas : public ::testing::Test, public Escenario {};

} // namespace

TEST_F(Sencillas, BlockRowsTextsAndColours) {
    sorteo(kSab(), {5, 12, 23, 30, 41, 47}, 9);
    pena(QStringLiteral("AMIGOS"), kTodos, kJue(),
         {{5, 12, 23, 30, 41, 9},   // five and the complementario
          {1, 2, 3, 4, 6, 9},       // the complementario alone plays no part
          {5, 12, 23, 1, 2, 4},     // three
          {5, 12, 23, 30, 41, 47},  // six
          {1, 12, 23, 30, 41, 2},   // four
          {5, 12, 23, 30, 41, 1}}); // five
    comprobacion.listasencillas(1);
    const ListaSencillas& l = comprobacion.lista2();
    ASSERT_EQ(std::tuple(l.filas(), comprobacion.filalista()), std::tuple(9, 9));
    EXPECT_EQ(fila(l, 0), QStringList(7, QString()));
    EXPECT_EQ(
        comentarios(l),
        (QStringList{"", "PEÑA AMIGOS              ", "05/12/2026 Sábado", "¡¡ Premio !! 5 + COMPLEMENTARIO",
                     "", "¡¡ Premio !! Has acertado 3 números.", "¡¡ Premio !! Has acertado 6 números.",
                     "¡¡ Premio !! Has acertado 4 números.", "¡¡ Premio !! Has acertado 5 números."}));
    // Winning numbers red (never the complementario), the message in its category's colour.
    EXPECT_EQ(colores(l), (QStringList{"- - - - - - -", "- - - - - - 000080", "- - - - - - 008000",
                                       "0000FF 0000FF 0000FF 0000FF 0000FF - 0040C0", "- - - - - - -",
                                       "0000FF 0000FF 0000FF - - - 00C000",
                                       "0000FF 0000FF 0000FF 0000FF 0000FF 0000FF 0000FF",
                                       "- 0000FF 0000FF 0000FF 0000FF - FF0000",
                                       "0000FF 0000FF 0000FF 0000FF 0000FF - 400040"}));
    // Counters: one of each category; the newest counted date moves.
    EXPECT_EQ((std::tuple{aciertos(1), leida(1).fecha2, s.sorteo.fecha}),
              (std::tuple{std::array<int16_t, 5>{1, 1, 1, 1, 1}, kSab(), kSab()}));
}

// Draws older than the ones listed are counted too (a download stored but never counted),
// each once; a shorter history (a restored copy) never moves the counted date back.
TEST_F(Sencillas, EveryStoredDrawCountedOnceWhateverIsListed) {
    sorteo(kJue(), {1, 2, 3, 10, 11, 12}, 20);
    sorteo(kSab(), {1, 2, 3, 4, 11, 12}, 20);
    sorteo(kLun(), {1, 2, 3, 4, 5, 12}, 20);
    pena(QStringLiteral("P"), kTodos, kJue() - 10, {{1, 2, 3, 4, 5, 6}});
    // Created on Thursday's draw day; on Thursday it has 6 hits and the complementario.
    pena(QStringLiteral("M"), kTodos, kJue(), {{1, 2, 3, 10, 11, 12, 20}}, 501);
    comprobacion.listasencillas(1);
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{1, 1, 1, 0, 0}));
    EXPECT_EQ(aciertos(2), (std::array<int16_t, 5>{4, 5 + 3, 1, 1, 6 + 1}));
    EXPECT_EQ((std::tuple{leida(1).fecha2, leida(2).fecha2}), (std::tuple{kLun(), kLun()}));
    comprobacion.listasencillas(3);
    comprobacion.listasencillas(3);
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{1, 1, 1, 0, 0}));
    const QStringList c = comentarios(comprobacion.lista2());
    ASSERT_EQ(c.size(), 12);
    EXPECT_EQ((QStringList{c[2], c[6], c[10], c[11]}),
              (QStringList{"07/12/2026 Lunes", "05/12/2026 Sábado", "03/12/2026 Jueves",
                           "¡¡ Premio !! Has acertado 3 números."}));
    EXPECT_EQ(s.sorteo.fecha, kJue()); // the last draw read is the oldest of the walk

    // Back to a copy holding only Thursday's draw, then the two later draws again.
    QFile::resize(s.files.numeros.path(), RegSorteo::kSize);
    comprobacion.listasencillas(1);
    EXPECT_EQ((std::tuple{leida(1).fecha2, leida(2).fecha2}), (std::tuple{kLun(), kLun()}));
    sorteo(kSab(), {1, 2, 3, 4, 11, 12}, 20);
    sorteo(kLun(), {1, 2, 3, 4, 5, 12}, 20);
    comprobacion.listasencillas(3);
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{1, 1, 1, 0, 0}));
    EXPECT_EQ(aciertos(2), (std::array<int16_t, 5>{4, 5 + 3, 1, 1, 6 + 1}));
}

// A damaged record or a draw dated after today, even when listed, is neither counted nor
// dated from: the real draws stored later still count.
TEST_F(Sencillas, DamagedOrFutureDrawsNeitherCountNorDate) {
    sorteo(kJue(), {1, 2, 3, 10, 11, 12}, 20);
    sorteo(kSab(), {1, 2, 3, 4, 11, 12}, 20);
    sorteo(9.03e291, {1, 2, 3, 4, 5, 6}, 20);
    sorteo(fecha(2099, 1, 1), {1, 2, 3, 4, 5, 6}, 20);
    pena(QStringLiteral("P"), kTodos, kJue() - 10, {{1, 2, 3, 4, 5, 6}});
    pena(QStringLiteral("M"), kTodos, kJue() - 10, {{1, 2, 3, 4, 5, 6, 7}}, 501);
    comprobacion.listasencillas(1);
    EXPECT_EQ((std::tuple{aciertos(1), aciertos(2)[2], aciertos(2)[3], leida(1).fecha2, leida(2).fecha2}),
              (std::tuple{std::array<int16_t, 5>{1, 1, 0, 0, 0}, 0, 0, kSab(), kSab()}));
    QFile::resize(s.files.numeros.path(), 2 * RegSorteo::kSize);
    sorteo(kLun(), {1, 2, 3, 4, 5, 12}, 20);
    comprobacion.listasencillas(1);
    EXPECT_EQ((std::tuple{aciertos(1), leida(1).fecha2}),
              (std::tuple{std::array<int16_t, 5>{1, 1, 1, 0, 0}, kLun()}));
}

TEST_F(Sencillas, FreshPeñaCountsEveryDrawOnItsDays) {
    sorteo(kJue(), {1, 2, 3, 10, 11, 12}, 20);
    sorteo(kSab(), {1, 2, 3, 4, 11, 12}, 20);
    sorteo(kLun(), {1, 2, 3, 4, 5, 12}, 20);
    pena(QStringLiteral("JS"), QStringLiteral("Jueves y Sábado"), kJue(), {{1, 2, 3, 4, 5, 6}});
    pena(QStringLiteral("L"), QStringLiteral("Lunes"), kJue(), {{1, 2, 3, 4, 5, 6}});
    pena(QStringLiteral("S"), QStringLiteral("Sábado"), kJue(), {{1, 2, 3, 4, 5, 6}});
    comprobacion.listasencillas(3);
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{1, 1, 0, 0, 0}));
    EXPECT_EQ(aciertos(2), (std::array<int16_t, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(aciertos(3), (std::array<int16_t, 5>{0, 1, 0, 0, 0}));
    // Every peña's date moves to the newest draw, whether or not that draw is on its days.
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(leida(p).fecha2, kLun());
    EXPECT_EQ(comprobacion.lista2().filas(), 4 * 4);
}

TEST_F(Sencillas, HistoricoListsOlderDrawsWithoutCounting) {
    sorteo(kJue(), {1, 2, 3, 10, 11, 12}, 20);
    sorteo(kSab(), {7, 8, 9, 10, 11, 12}, 20);
    pena(QStringLiteral("NUEVA"), kTodos, kSab(), {{1, 2, 3, 4, 5, 6}});
    comprobacion.listasencillas(2);
    EXPECT_EQ(comprobacion.lista2().filas(), 4); // Thursday is before the peña
    vista.check1 = true;
    comprobacion.listasencillas(2);
    const QString nueva = QStringLiteral("PEÑA NUEVA               ");
    EXPECT_EQ((std::tuple{comentarios(comprobacion.lista2()), aciertos(1)}),
              (std::tuple{QStringList{"", nueva, "05/12/2026 Sábado", "", "", nueva, "03/12/2026 Jueves",
                                      "¡¡ Premio !! Has acertado 3 números."},
                          std::array<int16_t, 5>{}}));
}

TEST_F(Sencillas, OnlyPrizesKeepsPrizeBets) {
    sorteo(kSab(), {1, 2, 3, 4, 5, 6}, 20);
    pena(QStringLiteral("A"), kTodos, kJue(),
         {{10, 11, 12, 13, 14, 15},
          {1, 2, 3, 13, 14, 15},
          {1, 2, 22, 23, 24, 25}, // two hits win nothing
          {1, 2, 3, 4, 14, 15},
          {30, 31, 32, 33, 34, 35}});
    pena(QStringLiteral("SIN PREMIO"), kTodos, kJue(), {{1, 2, 10, 11, 12, 13}});
    pena(QStringLiteral("VACIA"), kTodos, kJue(), {}, 0); // no bet to hide its block
    vista.check2 = true;
    comprobacion.listasencillas(1);
    const ListaSencillas& l = comprobacion.lista2();
    const QStringList c = comentarios(l);
    ASSERT_EQ(c.size(), 8);
    EXPECT_EQ((QStringList{c[1], l.texto(3, 4), c[3], l.texto(4, 4), c[4], c[6], c[7]}),
              (QStringList{"PEÑA A                   ", "13", "¡¡ Premio !! Has acertado 3 números.", "4",
                           "¡¡ Premio !! Has acertado 4 números.", "PEÑA VACIA               ",
                           c[2]}));
    EXPECT_EQ(comprobacion.filalista(), 8);
}

TEST_F(Sencillas, ChooserListsAndCountsOnlyThatPeña) {
    sorteo(kSab(), {1, 2, 3, 4, 5, 6}, 20);
    pena(QStringLiteral("UNA"), kTodos, kJue(), {{1, 2, 3, 10, 11, 12}});
    pena(QStringLiteral("OTRA"), kTodos, kJue(), {{1, 2, 3, 10, 11, 12}});
    vista.indice = 2;
    vista.texto = QStringLiteral("OTRA").leftJustified(20);
    vista.visible = 1;
    comprobacion.penaelegida = 1;
    comprobacion.listasencillas(1);
    EXPECT_EQ(comentarios(comprobacion.lista2()),
              (QStringList{"", "PEÑA OTRA                ", "05/12/2026 Sábado",
                           "¡¡ Premio !! Has acertado 3 números."}));
    EXPECT_EQ((std::tuple{leida(1).fecha2, aciertos(1)[0], leida(2).fecha2, aciertos(2)[0]}),
              (std::tuple{0.0, int16_t(0), kSab(), int16_t(1)}));
    // The simple-peña list is brought forward.
    EXPECT_EQ(std::tuple(vista.clics, comprobacion.penaelegida), std::tuple(std::vector<int>{0}, 0));
}

// Records out of every valid range are neither listed, counted nor written, whatever their
// kind; the good peñas between them are checked as usual and keep every byte but their
// counters and counted date.
TEST_F(Sencillas, DamagedRecordsAreLeftAlone) {
    sorteo(kJue(), {1, 2, 3, 4, 5, 6}, 20);
    sorteo(kSab(), {1, 2, 3, 4, 30, 31}, 20);
    const std::vector<std::vector<int>> seis{{1, 2, 3, 4, 5, 6}}, siete{{1, 2, 3, 4, 5, 6, 7}};
    pena(QStringLiteral("BUENA"), kTodos, kJue(), {{1, 2, 3, 10, 11, 12}});
    pena(QStringLiteral("300"), kTodos, kJue(), std::vector(205, seis[0]), 300);
    pena(QStringLiteral("512"), kTodos, kJue(), siete, 512);
    RegPena negativa = leida(pena(QStringLiteral("NEGATIVA"), kTodos, kJue(), seis));
    negativa.acierto(6) = -1;
    s.files.apuestas.put(4, negativa);
    pena(QStringLiteral("SIN FECHA"), kTodos, std::numeric_limits<double>::quiet_NaN(), seis);
    RegPena contada = leida(pena(QStringLiteral("CONTADA INF"), kTodos, kJue(), siete, 501));
    contada.fecha2 = -std::numeric_limits<double>::infinity();
    s.files.apuestas.put(6, contada);
    pena(QStringLiteral("MULTIPLE"), kTodos, kJue(), siete, 501);
    // A name byte the code page does not define must survive the write-back.
    QByteArray raro = s.files.apuestas.read(1);
    raro[4] = '\x81';
    s.files.apuestas.write(1, raro);
    const QByteArray antes = dir.read(QStringLiteral("apuestas.dat"));
    comprobacion.listasencillas(1);
    // By hand: three hits on Thursday and on Saturday. The seven numbers hold Thursday's six
    // (one bet of six, six of five) and Saturday's four (three bets of four, four of three).
    EXPECT_EQ(aciertos(1), (std::array<int16_t, 5>{2, 0, 0, 0, 0}));
    EXPECT_EQ(aciertos(7), (std::array<int16_t, 5>{4, 3, 6, 1, 0}));
    EXPECT_EQ((std::tuple{comentarios(comprobacion.lista2())[1], comentarios(comprobacion.lista4())[1]}),
              (std::tuple{QStringLiteral("PEÑA BUEN\uFFFD               "),
                          QStringLiteral("PEÑA MULTIPLE            ")}));
    EXPECT_EQ((std::tuple{comprobacion.lista2().filas(), comprobacion.lista4().filas()}), (std::tuple{4, 5}));
    const QByteArray despues = dir.read(QStringLiteral("apuestas.dat"));
    ASSERT_EQ(despues.size(), antes.size());
    const int k = RegPena::kSize;
    EXPECT_EQ(despues.mid(k, 5 * k), antes.mid(k, 5 * k)); // the damaged records, byte for byte
    // Only the counters (bytes 8264..8273) and the counted date (8299..8306) of a good record
    // change: the rest of it is as it was.
    auto resto = [k](const QByteArray& b, int r) { return b.mid(r * k, 8264) + b.mid(r * k + 8274, 25); };
    EXPECT_EQ((std::tuple{resto(despues, 0), resto(despues, 6)}), (std::tuple{resto(antes, 0), resto(antes, 6)}));
}

TEST_F(Sencillas, CountersStopAt32767) {
    sorteo(kSab(), {1, 2, 3, 4, 5, 6}, 20);
    RegPena p = leida(
        pena(QStringLiteral("LLENA"), kTodos, kJue(), std::vector(3, std::vector{1, 2, 3, 10, 11, 12})));
    p.acierto(3) = 32766;
    s.files.apuestas.put(1, p);
    comprobacion.listasencillas(1);
    EXPECT_EQ(aciertos(1)[0], 32767);
}

// Without draws both lists are cleared and no peña is touched; a failed write is reported
// and nothing is taken as counted.
TEST_F(Sencillas, NoDrawsOrAFailedWriteCountNothing) {
    pena(QStringLiteral("A"), kTodos, kJue(), {{1, 2, 3, 10, 11, 12}});
    pena(QStringLiteral("M"), kTodos, kJue(), {{1, 2, 3, 4, 5, 6, 7}}, 501);
    comprobacion.listasencillas(5);
    EXPECT_EQ((std::tuple{comprobacion.lista2().filas(), comprobacion.lista4().filas(), leida(1).fecha2}),
              (std::tuple{0, 0, 0.0}));
    sorteo(kSab(), {1, 2, 3, 4, 5, 6}, 20);
    {
        // Writes fail, whoever runs the test: the file may not grow past a few bytes.
        LimiteEscritura limite(100);
        comprobacion.listasencillas(1);
    }
    ASSERT_EQ(dialogs.boxes.size(), 1); // one box for the simple and the multiple peña
    // The count, then the cause of the failure itself: the size limit, no missing permission.
    EXPECT_EQ(
        (std::tuple{dialogs.boxes[0].title, dialogs.boxes[0].text.contains(QStringLiteral(" 2 peña(s)")),
                    dialogs.boxes[0].text.section(QStringLiteral("\r\n\r\n"), 1)}),
        (std::tuple{QStringLiteral("Error de escritura"), true,
                    QStringLiteral("No se ha podido guardar el archivo apuestas.dat. (%1)")
                        .arg(QString::fromLocal8Bit(std::strerror(EFBIG)))}));
    EXPECT_EQ((std::tuple{leida(1).fecha2, aciertos(1)[0]}), (std::tuple{0.0, int16_t(0)}));
    {
        // Further checks (activations) stay silent; an action that needs the write tells again.
        LimiteEscritura limite(100);
        comprobacion.listasencillas(1);
        comprobacion.listamulti(1);
        EXPECT_EQ(dialogs.boxes.size(), 1);
        comprobacion.avisarFallosOtraVez();
        comprobacion.listasencillas(1);
        EXPECT_EQ(dialogs.boxes.size(), 2);
    }
    // A newer draw arrives; once the file can be written, a check listing only the newest
    // draw counts both, once.
    sorteo(kSab() + 2, {1, 2, 3, 4, 5, 6}, 20);
    comprobacion.listasencillas(1);
    comprobacion.listasencillas(1);
    EXPECT_EQ(aciertos(1)[0], 2);
    // After that successful write, the next failure is told once again.
    sorteo(kSab() + 5, {1, 2, 3, 4, 5, 6}, 20);
    LimiteEscritura limite(100);
    comprobacion.listasencillas(1);
    comprobacion.listasencillas(1);
    EXPECT_EQ(dialogs.boxes.size(), 3);
}
