#include "stats/Informe.h"
#include "core/Permiso.h"
#include "stats/BaseInforme.h"
#include "stats/DocumentoInforme.h"
#include "stats/InformePena.h"
#include "stats/Ranking.h"
#include "support/LimiteEscritura.h"
#include "support/Pdf.h"
#include "support/TestFolder.h"

#include <QDir>

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

struct Carpeta {
    TestFolder t;
    Carpeta() {
        t.conBase();
        for (const char* f : {"Velmorat.net", "Velmorat1.net"})
            QFile::copy(QStringLiteral(VELMORAT_DIST_DIR "/") + QString::fromLatin1(f),
                        t.ruta(QString::fromLatin1(f)));
    }
    QString base() const { return t.ruta(QStringLiteral("Velmorat.mdb")); }
    informe::Resultado genera(const QString& definicion,
                              const QString& clave = QString::fromLatin1(BaseInforme::kClave)) {
        return informe::ejecuta(t.ruta(definicion), base(), clave);
    }
};

} // namespace

TEST(Informe, CombinationReportPrintsSelectionNewestDrawAndRanking) {
    Carpeta c;
    ranking::Veces veces{};
    veces[6] = 30;  // 7
    veces[41] = 25; // 42
    std::array<int16_t, 49> autos{};
    ASSERT_EQ(ranking::rankfrecu(c.base(), veces, 2, autos), 0);
    BaseInforme db;
    ASSERT_TRUE(db.abrir(c.base()));
    ASSERT_TRUE(
        db.ejecuta(QStringLiteral("UPDATE \"Sorteos\" SET \"Dia1\" = '2024-01-04', \"Dia2\" = '2026-12-03', "
                                  "\"Total\" = 301, \"Diasajugar\" = 'Jueves y Sábado.'")));
    ASSERT_TRUE(
        db.ejecuta(QStringLiteral("UPDATE \"Informe\" SET \"Frase\" = ' 3-11-25-30-41-49  C: 7  R: 2'")));
    db.cerrar();

    const informe::Resultado r = c.genera(QStringLiteral("Velmorat.net"));
    ASSERT_EQ(r.error, 0);
    DocumentoInforme doc(r.html);
    const QString texto = doc.toPlainText();
    for (const char* esperado : {"04/01/2024", "03/12/2026", "301", "Jueves y Sábado.", "3-11-25-30-41-49"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;
    const qsizetype siete = r.html.indexOf(QStringLiteral("<b>7</b>"));
    EXPECT_TRUE(siete >= 0 && siete < r.html.indexOf(QStringLiteral("<b>42</b>")));
}

TEST(Informe, PenaReportEscapesItsValuesAndSavesAsPdf) {
    Carpeta c;
    ASSERT_EQ(informepena::escribeApuestas(
                  c.base(), {QStringLiteral(" 1- 2- 3- 4- 5- 6"), QStringLiteral("10-20-30-40-45-49")}),
              0);
    informepena::Resumen res;
    res.nombre = QStringLiteral("<b>LOS DE SIEMPRE</b>");
    res.dinero = 1.5f;
    res.premios = {9, 6, 3, 2, 1};
    ASSERT_EQ(informepena::guardaResumen(c.base(), res).error, 0);

    const informe::Resultado r = c.genera(QStringLiteral("Velmorat1.net"));
    ASSERT_EQ(r.error, 0);
    // Under the headings 3, 4, 5, 5+C and 6, in that order.
    EXPECT_TRUE(r.html.contains(QStringLiteral(">9</td><td align=\"right\">6</td><td align=\"right\">3</td>"
                                               "<td align=\"right\">2</td><td align=\"right\">1<")));
    DocumentoInforme doc(r.html);
    for (const char* esperado :
         {"<b>LOS DE SIEMPRE</b>", "1,50 euros", " 1- 2- 3- 4- 5- 6", "10-20-30-40-45-49"})
        EXPECT_TRUE(doc.toPlainText().contains(QString::fromUtf8(esperado))) << esperado;
    // A write that cannot complete leaves the file as it was and nothing beside it.
    c.t.write(QStringLiteral("pena.pdf"), "ANTIGUO");
    const QStringList antes = QDir(c.t.path()).entryList(QDir::Files);
    FalloEscritura motivo;
    EXPECT_FALSE((LimiteEscritura(1000), doc.guardaPdf(c.t.ruta(QStringLiteral("pena.pdf")), motivo)));
    EXPECT_EQ((std::tuple{c.t.read(QStringLiteral("pena.pdf")), QDir(c.t.path()).entryList(QDir::Files),
                          motivo.error}),
              (std::tuple{QByteArray("ANTIGUO"), antes, EFBIG}));
    ::chmod(QFile::encodeName(c.t.ruta(QStringLiteral("pena.pdf"))).constData(), 0600);
    EXPECT_EQ(
        (std::tuple{doc.guardaPdf(c.t.ruta(QStringLiteral("pena.pdf")), motivo),
                    c.t.read(QStringLiteral("pena.pdf")).left(4), QDir(c.t.path()).entryList(QDir::Files)}),
        (std::tuple{true, QByteArray("%PDF"), antes}));
    // A replaced file keeps its permissions, a new one gets those the user's mask leaves; A4 pages
    // with margins of 15 mm (42.5 points) around the document's own.
    const mode_t mascara = ::umask(027);
    ASSERT_TRUE(doc.guardaPdf(c.t.ruta(QStringLiteral("nuevo.pdf")), motivo));
    ::umask(mascara);
    const auto modo = [&c](const char* f) { return int(QFile::permissions(c.t.ruta(QLatin1String(f)))); };
    const PalabraPdf primera = palabrasPdf(c.t.ruta(QStringLiteral("nuevo.pdf"))).value(0);
    EXPECT_EQ(
        (std::tuple{modo("pena.pdf"), modo("nuevo.pdf"), primera.caja.topLeft().toPoint(),
                    c.t.read(QStringLiteral("nuevo.pdf")).contains("/MediaBox [0 0 595.000000 842.000000]")}),
        (std::tuple{0x6600, 0x6640, QPoint(99, 99), true})); // rw------- and rw-r-----
}

TEST(Informe, EachFailureHasItsNumber) {
    const struct {
        const char* contenido; // null: no definition file; "|": a pipe in its place
        bool claveMala;
        int error;
    } casos[] = {{nullptr, false, informe::kDefinicionNoSeLee},
                 {"|", false, informe::kDefinicionNoSeLee},
                 {"  \r\n", false, informe::kDefinicionVacia},
                 {"{{#Numeros}}sin cerrar", false, informe::kPlantillaErronea},
                 {"{{Pena_Nombre}}", true, informe::kBaseNoAbre}};
    for (const auto& f : casos) {
        Carpeta c;
        const QString nombre = QStringLiteral("propio.net");
        if (f.contenido && f.contenido == std::string_view("|"))
            ::mkfifo(QFile::encodeName(c.t.ruta(nombre)).constData(), 0600);
        else if (f.contenido)
            c.t.write(nombre, QByteArray(f.contenido));
        const informe::Resultado r =
            c.genera(nombre, f.claveMala ? QStringLiteral("otra") : QString::fromLatin1(BaseInforme::kClave));
        EXPECT_EQ((std::tuple{r.error, r.html}), (std::tuple{f.error, QString()}));
    }
}

TEST(Informe, TemplateCannotReachFilesOrChangeTheDatabase) {
    Carpeta c;
    c.t.write(QStringLiteral("secreto.txt"), "SECRETO");
    c.t.write(QStringLiteral("propio.net"), "[{{>SECRETO}}][{{Informe_Frase}}]<img src=\"secreto.txt\">");
    const informe::Resultado r = c.genera(QStringLiteral("propio.net"));
    ASSERT_EQ(r.error, 0);
    EXPECT_FALSE(r.html.contains(QStringLiteral("SECRETO")));
}

// Busy (another process) or locked (another connection sharing its cache) alike.
TEST(Informe, BusyDatabaseRunsAgainOnceThenTellsItsNumber) {
    for (const int compartida : {0, 1}) {
        Carpeta c;
        sqlite3_enable_shared_cache(compartida);
        BaseInforme otro;
        ASSERT_TRUE(otro.abrir(c.base()));
        ASSERT_TRUE(otro.ejecuta(QStringLiteral("BEGIN EXCLUSIVE")));
        ASSERT_TRUE(otro.ejecuta(QStringLiteral("DELETE FROM \"Numeros\"")));
        EXPECT_EQ(c.genera(QStringLiteral("Velmorat.net")).error, informe::kOcupada);
        otro.confirma();
        sqlite3_enable_shared_cache(0);
        EXPECT_EQ(c.genera(QStringLiteral("Velmorat.net")).error, 0);
    }

    // Busy at the first try only: the second one shows the report.
    QList<int> errores = {informe::kOcupada, 0, informe::kOcupada, informe::kOcupada, 0};
    const auto intento = [&errores] { return informe::Resultado{errores.takeFirst(), {}}; };
    EXPECT_EQ(informe::otraVezSiOcupada(intento).error, 0);
    EXPECT_EQ((std::tuple{informe::otraVezSiOcupada(intento).error, errores.size()}),
              (std::tuple{int(informe::kOcupada), qsizetype(1)}));
}
