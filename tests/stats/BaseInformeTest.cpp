#include "stats/BaseInforme.h"
#include "stats/InformePena.h"
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
    ASSERT_GT(bytes.size(), 1024);
    EXPECT_FALSE(bytes.startsWith("SQLite format 3"));
    EXPECT_FALSE(bytes.contains("Numeros"));

    BaseInforme db;
    ASSERT_TRUE(db.abrir(base(t))) << db.mensajeError().toStdString();
    // The columns the program reads and writes are checked by the tests that use them; this
    // table is read only by the report definitions.
    QStringList columnas;
    for (const QVariantList& f : db.consulta(QStringLiteral("PRAGMA table_info(\"Numeros\")")))
        columnas << f.value(1).toString();
    EXPECT_EQ(columnas, (QStringList{QStringLiteral("Numero"), QStringLiteral("Veces")}));
    for (const auto& [tabla, filas] : {std::pair{"Sorteos", 1}, {"Peña", 1}, {"Informe", 1}, {"Peñanums", 0}})
        EXPECT_EQ(db.consulta(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(QString::fromUtf8(tabla)))
                      .value(0)
                      .value(0)
                      .toInt(),
                  filas)
            << tabla;
}

TEST(BaseInforme, WrongPasswordAndMissingFileAreRefusedWithoutCreatingAnything) {
    TestFolder t;
    t.conBase();
    BaseInforme db;
    EXPECT_FALSE(db.abrir(base(t), QStringLiteral("otraclave")));
    EXPECT_LT(db.error(), 0);
    EXPECT_FALSE(db.abierta());

    const QString falta = t.ruta(QStringLiteral("no.mdb"));
    EXPECT_FALSE(db.abrir(falta));
    EXPECT_LT(db.error(), 0);
    EXPECT_FALSE(QFile::exists(falta));

    EXPECT_NE(informepena::escribeApuestas(falta, {QStringLiteral(" 1- 2- 3- 4- 5- 6")}), 0);
    EXPECT_FALSE(QFile::exists(falta));
}

TEST(InformePena, BetsTableHoldsOnlyTheLastPenaShown) {
    TestFolder t;
    t.conBase();
    ASSERT_EQ(informepena::escribeApuestas(base(t),
                                           {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}),
              0);
    ASSERT_EQ(informepena::escribeApuestas(base(t), {QStringLiteral(" 8- 4-21-30-33-45")}), 0);
    BaseInforme db;
    ASSERT_TRUE(db.abrir(base(t)));
    const QList<QVariantList> filas = db.consulta(QStringLiteral("SELECT \"Numeros\" FROM \"Peñanums\""));
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas.at(0).value(0).toString(), QStringLiteral(" 8- 4-21-30-33-45"));

    db.cerrar();
    ASSERT_EQ(informepena::escribeApuestas(base(t), {}), 0);
    ASSERT_TRUE(db.abrir(base(t)));
    EXPECT_TRUE(db.consulta(QStringLiteral("SELECT * FROM \"Peñanums\"")).isEmpty());
}

TEST(InformePena, SummaryOverwritesTheSingleRowAndReadsBackTheCost) {
    TestFolder t;
    t.conBase();
    informepena::Resumen r;
    r.diasajugar = QStringLiteral("Jueves y Sábado");
    r.dinero = 20.5f;
    r.nombre = QStringLiteral("LOS DE SIEMPRE      ");
    r.dia1 = QDate(2026, 1, 3);
    r.dia2 = QDate(2026, 12, 5);
    r.aciertos = QStringLiteral("12,5 %");
    r.sorteos = 40;
    r.premios = {3, 1, 0, 0, 1};
    for (int i = 0; i < 2; ++i) {
        const informepena::Guardado g = informepena::guardaResumen(base(t), r);
        ASSERT_EQ(g.error, 0);
        EXPECT_EQ(g.dinero, 20.5f);
        EXPECT_EQ(g.diasajugar, QStringLiteral("Jueves y Sábado"));
    }
    BaseInforme db;
    ASSERT_TRUE(db.abrir(base(t)));
    const QList<QVariantList> filas =
        db.consulta(QStringLiteral("SELECT \"Nombre\", \"Dia1\", \"Dia2\", \"Aciertos\", \"Sorteos\", \"3\", "
                                   "\"4\", \"5\", \"5C\", \"6\" FROM \"Peña\""));
    ASSERT_EQ(filas.size(), 1);
    QStringList f;
    for (const QVariant& v : filas.first())
        f << v.toString();
    EXPECT_EQ(f.join(u'|'), QStringLiteral("LOS DE SIEMPRE      |2026-01-03|2026-12-05|12,5 %|40|3|1|0|0|1"));
}

TEST(InformePena, SummaryTableWithoutItsRowIsReportedNotFilled) {
    TestFolder t;
    t.conBase();
    {
        BaseInforme db;
        ASSERT_TRUE(db.abrir(base(t)));
        ASSERT_TRUE(db.ejecuta(QStringLiteral("DELETE FROM \"Peña\"")));
    }
    EXPECT_EQ(informepena::guardaResumen(base(t), informepena::Resumen{}).error, BaseInforme::kSinFila);
    BaseInforme db;
    ASSERT_TRUE(db.abrir(base(t)));
    EXPECT_EQ(db.consulta(QStringLiteral("SELECT count(*) FROM \"Peña\"")).value(0).value(0).toInt(), 0);
}
