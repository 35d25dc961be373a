#include "stats/BaseInforme.h"
#include "stats/AvisoBase.h"
#include "stats/InformePena.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString base(const TestFolder& t) {
    return t.ruta(QStringLiteral("Velmorat.mdb"));
}

} // namespace

TEST(BaseInforme, ShippedFileIsEncryptedAndHasTheTablesWithTheirSingleRows) {
    TestFolder t;
    t.conBase();
    const QByteArray bytes = t.read(QStringLiteral("Velmorat.mdb"));
    EXPECT_EQ(
        (std::tuple{bytes.size() > 1024, bytes.startsWith("SQLite format 3"), bytes.contains("Numeros")}),
        (std::tuple{true, false, false}));

    BaseInforme db;
    ASSERT_TRUE(db.abrir(base(t))) << db.mensajeError().toStdString();
    // The columns the program reads and writes are checked by the tests that use them; this
    // table is read only by the report definitions.
    db.consulta(QStringLiteral("SELECT \"Numero\", \"Veces\" FROM \"Numeros\""));
    EXPECT_EQ(db.error(), 0);
    EXPECT_EQ(
        db.consulta(QStringLiteral("SELECT (SELECT count(*) FROM Sorteos), (SELECT count(*) FROM \"Peña\"), "
                                   "(SELECT count(*) FROM Informe), (SELECT count(*) FROM \"Peñanums\")")),
        (QList<QVariantList>{{1, 1, 1, 0}}));
    // A query that fails while its rows are read (an integer overflow) is told too.
    db.consulta(QStringLiteral("SELECT abs(-9223372036854775807 - 1)"));
    EXPECT_EQ(db.error(), -1);
}

TEST(BaseInforme, WrongPasswordMissingFileAndEachFailureAreToldApart) {
    TestFolder t;
    t.conBase();
    BaseInforme db;
    EXPECT_EQ((std::tuple{db.abrir(base(t), QStringLiteral("otraclave")), db.error() < 0, db.abierta()}),
              (std::tuple{false, true, false}));
    const QString falta = t.ruta(QStringLiteral("no.mdb"));
    EXPECT_EQ((std::tuple{db.abrir(falta), db.error() < 0, QFile::exists(falta)}),
              (std::tuple{false, true, false}));

    EXPECT_NE(informepena::escribeApuestas(falta, {QStringLiteral(" 1- 2- 3- 4- 5- 6")}), 0);
    EXPECT_FALSE(QFile::exists(falta));

    // Each failure is told with its cause, the text naming the file; any other as a failed
    // write with the database's own reason.
    FakeDialogs d;
    for (const int e : {-13, -5, -6, -1, -11, -26, int(BaseInforme::kSinFila), -10, 7,
                        int(BaseInforme::kSistemaSoloLectura)})
        avisaErrorBase(d, base(t), e);
    QStringList vistos;
    for (const FakeDialogs::Box& b : d.boxes)
        vistos << b.title +
                      (b.icon == Dialogs::Icon::Exclamation && b.text.contains(u"Velmorat.mdb") ? "" : "?");
    EXPECT_EQ(
        vistos.join(u'|'),
        QStringLiteral("Disco lleno|Archivo ocupado|Archivo ocupado|Archivo dañado|Archivo dañado|Archivo "
                       "dañado|Archivo dañado|Error de escritura|Error de escritura|Error de escritura"));
    const QString escritura = QStringLiteral("No se ha podido guardar el archivo Velmorat.mdb. (%1)");
    EXPECT_EQ(
        (QStringList{d.boxes[1].text, d.boxes[3].text, d.boxes[7].text, d.boxes[8].text, d.boxes[9].text}),
        (QStringList{"El archivo Velmorat.mdb está ocupado por otro programa. Repita la operación.",
                     "El archivo Velmorat.mdb está dañado. Reinstalar el programa lo restaura.",
                     escritura.arg("disk I/O error"), escritura.arg("error 7"),
                     escritura.arg("Read-only file system")}));
}

// The bets table holds only the peña last shown; the summary overwrites its single row,
// each prize counter in its own column, reads back the cost, and is never added when missing.
TEST(InformePena, TablesHoldOnlyTheLastPenaShown) {
    TestFolder t;
    t.conBase();
    const auto columna = [&t](const QString& sql) {
        BaseInforme db;
        EXPECT_TRUE(db.abrir(base(t)));
        QStringList f;
        for (const QVariantList& fila : db.consulta(sql))
            for (const QVariant& v : fila)
                f << v.toString();
        return f.join(u'|');
    };
    ASSERT_EQ(informepena::escribeApuestas(base(t), {QStringLiteral("a"), QStringLiteral("b")}), 0);
    ASSERT_EQ(informepena::escribeApuestas(base(t), {QStringLiteral(" 8- 4-21-30-33-45")}), 0);
    EXPECT_EQ(columna(QStringLiteral("SELECT \"Numeros\" FROM \"Peñanums\"")),
              QStringLiteral(" 8- 4-21-30-33-45"));

    informepena::Resumen r;
    r.diasajugar = QStringLiteral("Jueves y Sábado");
    r.dinero = 20.5f;
    r.nombre = QStringLiteral("LOS DE SIEMPRE      ");
    r.dia1 = QDate(2026, 1, 3);
    r.dia2 = QDate(2026, 12, 5);
    r.aciertos = QStringLiteral("12,5 %");
    r.sorteos = 40;
    r.premios = {9, 6, 3, 2, 1}; // 3, 4, 5, 5 + complementario and 6 hits
    for (int i = 0; i < 2; ++i) {
        const informepena::Guardado g = informepena::guardaResumen(base(t), r);
        EXPECT_EQ((std::tuple{g.error, g.dinero, g.diasajugar}), (std::tuple{0, 20.5f, r.diasajugar}));
    }
    EXPECT_EQ(
        columna(QStringLiteral("SELECT \"Nombre\", \"Dia1\", \"Dia2\", \"Aciertos\", \"Sorteos\", \"3\", "
                               "\"4\", \"5\", \"5C\", \"6\" FROM \"Peña\"")),
        QStringLiteral("LOS DE SIEMPRE      |2026-01-03|2026-12-05|12,5 %|40|9|6|3|2|1"));

    ASSERT_EQ(columna(QStringLiteral("DELETE FROM \"Peña\"")), QString());
    EXPECT_EQ(informepena::guardaResumen(base(t), informepena::Resumen{}).error, BaseInforme::kSinFila);
    EXPECT_EQ(columna(QStringLiteral("SELECT count(*) FROM \"Peña\"")), QStringLiteral("0"));
}
