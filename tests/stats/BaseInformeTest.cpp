#include "stats/BaseInforme.h"
#include "stats/InformePena.h"
#include "support/TestFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QString base(const TestFolder& t) {
    return t.ruta(QStringLiteral("Velmorat.mdb"));
}

QStringList columnas(BaseInforme& db, const QString& tabla) {
    QStringList out;
    for (const QVariantList& f : db.consulta(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabla)))
        out.append(f.value(1).toString());
    return out;
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
    EXPECT_EQ(columnas(db, QStringLiteral("Peñanums")), QStringList{QStringLiteral("Numeros")});
    EXPECT_EQ(columnas(db, QStringLiteral("Sorteos")),
              (QStringList{QStringLiteral("Dia1"), QStringLiteral("Dia2"), QStringLiteral("Total"),
                           QStringLiteral("Diasajugar")}));
    EXPECT_EQ(columnas(db, QStringLiteral("Peña")),
              (QStringList{QStringLiteral("Diasajugar"), QStringLiteral("Dinero"), QStringLiteral("Nombre"),
                           QStringLiteral("Dia1"), QStringLiteral("Dia2"), QStringLiteral("Aciertos"),
                           QStringLiteral("Sorteos"), QStringLiteral("3"), QStringLiteral("4"),
                           QStringLiteral("5"), QStringLiteral("5C"), QStringLiteral("6")}));
    EXPECT_EQ(columnas(db, QStringLiteral("Informe")), QStringList{QStringLiteral("Frase")});
    EXPECT_EQ(columnas(db, QStringLiteral("Numeros")),
              (QStringList{QStringLiteral("Numero"), QStringLiteral("Veces")}));
    for (const char* tabla : {"Sorteos", "Peña", "Informe"})
        EXPECT_EQ(db.consulta(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(QString::fromUtf8(tabla)))
                      .value(0)
                      .value(0)
                      .toInt(),
                  1)
            << tabla;
    EXPECT_EQ(db.consulta(QStringLiteral("SELECT count(*) FROM \"Peñanums\"")).value(0).value(0).toInt(), 0);
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
    const QVariantList f = filas.first();
    EXPECT_EQ(f.value(0).toString(), QStringLiteral("LOS DE SIEMPRE      "));
    EXPECT_EQ(f.value(1).toString(), QStringLiteral("2026-01-03"));
    EXPECT_EQ(f.value(2).toString(), QStringLiteral("2026-12-05"));
    EXPECT_EQ(f.value(3).toString(), QStringLiteral("12,5 %"));
    EXPECT_EQ(f.value(4).toDouble(), 40.0);
    EXPECT_EQ(f.value(5).toInt(), 3);
    EXPECT_EQ(f.value(6).toInt(), 1);
    EXPECT_EQ(f.value(8).toInt(), 0);
    EXPECT_EQ(f.value(9).toInt(), 1);
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
