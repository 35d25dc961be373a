#include "stats/Asistente.h"
#include "stats/gui/AsistenteCombinacion.h"
#include "stats/gui/AsistenteIcono.h"
#include "stats/gui/InformeVentana.h"
#include "support/LimiteEscritura.h"
#include "support/Pdf.h"
#include "support/SesionPrueba.h"

#include <QComboBox>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct Asistente : SesionPrueba {
    QWidget pagina;
    QGroupBox* frame6 = new QGroupBox(&pagina);
    QGroupBox* frame7 = new QGroupBox(&pagina);
    AsistenteCombinacion* a;
    QList<QWidget*> mostradas;
    int sorteos = 300;
    bool paso1 = true;

    Asistente() : SesionPrueba(QDate(2026, 12, 5)) {
        dir.conTablas();
        dir.conBase();
        s.rutaApp = dir.rutaApp();
        frame6->setLayout(new QVBoxLayout);
        frame7->setLayout(new QVBoxLayout);
        VentanasPenas v;
        v.mostrar = [this](QWidget* w) { mostradas.append(w); };
        a = new AsistenteCombinacion(s, v, frame6, frame7);
        a->enlaces.sorteossel = [this] { return sorteos; };
        a->enlaces.veces = [] {
            ranking::Veces veces{};
            for (int i = 0; i < 49; ++i)
                veces[static_cast<size_t>(i)] = (i * 17) % 23; // 5 and 28 most frequent, then 9 and 32
            return veces;
        };
        a->enlaces.habilitarPaso1 = [this](bool si) { paso1 = si; };
        a->alEntrarPestana();
    }
    ~Asistente() { qDeleteAll(mostradas); }
    bool activo(int i) const { return a->image3(i)->isEnabled(); }
    QString aviso(int i) const { return dialogs.boxes.value(i).title + u'|' + dialogs.boxes.value(i).text; }
};

struct Paso2 {
    int n;
    bool reducida, sencilla, multiple;
};

class AsistentePaso2 : public ::testing::TestWithParam<Paso2> {};

} // namespace

TEST_P(AsistentePaso2, CountOfNumbersEnablesItsChoicesAndLocksStepOne) {
    const Paso2 p = GetParam();
    Asistente e;
    e.a->slider2()->setValue(p.n);
    EXPECT_EQ((std::tuple{e.activo(0), e.activo(1), e.activo(2), e.a->combo1()->count() > 0,
                          e.a->image2()->isEnabled(), e.a->image4()->isEnabled(), e.paso1,
                          e.frame6->findChild<QLabel*>(QStringLiteral("Label23"))->text()}),
              (std::tuple{p.reducida, p.sencilla, p.multiple, p.reducida, true, true, false,
                          QStringLiteral("Ha seleccionado %1 números.").arg(p.n)}));
}

INSTANTIATE_TEST_SUITE_P(Tamanos, AsistentePaso2,
                         ::testing::Values(Paso2{4, false, false, false}, Paso2{5, false, false, true},
                                           Paso2{6, false, true, false}, Paso2{8, true, false, true},
                                           Paso2{12, true, false, false}));

// The multiple bet for each count of numbers: 5 → 3, 7 → 1, 8 → 2, 9 → 4, 10 → 5, 11 → 6.
TEST(AsistenteCombinacion, MultipleBetOfEachCountOfNumbers) {
    std::vector<int> codigos;
    for (int n = 4; n <= 12; ++n)
        codigos.push_back(asistente::codigoMultiple(n));
    EXPECT_EQ(codigos, (std::vector<int>{0, 3, 0, 1, 2, 4, 5, 6, 0}));
}

TEST(AsistenteCombinacion, WithoutDrawsStepTwoRefusesAndWithoutTheDatabaseTheReportStaysOff) {
    Asistente e;
    e.sorteos = 0;
    e.a->slider2()->setValue(1);
    EXPECT_EQ((std::tuple{e.dialogs.boxes.size(), e.aviso(0), e.a->slider2()->value(),
                          e.a->image2()->isEnabled(), e.paso1}),
              (std::tuple{qsizetype(1),
                          QStringLiteral("Mal, mal, mal...|No has seleccionado sorteos. Por favor, "
                                         "selecciona más sorteos en el paso anterior."),
                          0, false, true}));

    e.sorteos = 300;
    QFile::remove(e.dir.ruta(QStringLiteral("Velmorat.mdb")));
    e.a->slider2()->setValue(6);
    EXPECT_EQ((std::tuple{e.dialogs.boxes.value(1).title, e.a->image2()->isEnabled(), e.activo(1),
                          e.s.numerosAuto[0]}),
              (std::tuple{QStringLiteral("Falta un archivo"), false, true, int16_t(5)}));
}

TEST(AsistenteCombinacion, ChoicesHandTheRankingToTheEditor) {
    Asistente e;
    e.a->slider2()->setValue(5);
    e.a->Image3_Click(2);
    EXPECT_EQ((std::tuple{e.s.codMultiple, e.s.delAsistente, e.a->slider2()->value(),
                          std::vector<int>(e.s.numerosAuto.begin(), e.s.numerosAuto.begin() + 3),
                          e.mostradas.size() == 1 ? e.mostradas[0]->objectName() : QString()}),
              (std::tuple{3, 1, 0, std::vector<int>{5, 28, 9}, QStringLiteral("Crea")}));

    e.a->slider2()->setValue(10);
    e.a->Image3_Click(0);
    e.a->Combo1_Click(e.a->combo1()->count()); // past the list: nothing
    EXPECT_EQ((std::tuple{e.dialogs.boxes.size(), e.aviso(0), e.s.codMultiple}),
              (std::tuple{qsizetype(1),
                          QStringLiteral(
                              "No tan deprisa!|Elija primero una tabla de reducidas en el menú desplegable."),
                          3}));
    const auto eligeSegunda = [&e] {
        e.a->combo1()->setCurrentIndex(1);
        e.a->Combo1_Click(1);
    };
    eligeSegunda();
    // The second table of 10 numbers in the shipped file.
    EXPECT_EQ((std::tuple{e.s.codMultiple, e.s.tablaElegida}), (std::tuple{7, 7}));
    const auto textos = [frame10 = e.frame7->findChild<QGroupBox*>(QStringLiteral("Frame10")), &e] {
        QStringList t{frame10->title()};
        for (const QLabel* l : frame10->findChildren<QLabel*>())
            t << l->text();
        return std::tuple{frame10->isVisibleTo(e.frame7), t.join(u'|')};
    };
    EXPECT_EQ(
        textos(),
        (std::tuple{true, QStringLiteral("REDUCIDA|Si entre los 10 números seleccionados, se "
                                         "encuentran los 6 ganadores:|4 aciertos.|1,43%|Jugar a 10 "
                                         "números sin reducir, tendría que rellenar:|210 apuestas.|"
                                         "Asegura al 100% un premio de:|Apuestas jugadas sobre el total:")}));
    // Another count of numbers puts away the figures of the table chosen for 10.
    e.a->slider2()->setValue(8);
    EXPECT_EQ(textos(),
              (std::tuple{false, QStringLiteral("REDUCIDA||||||Asegura al 100% un premio de:|Apuestas "
                                                "jugadas sobre el total:")}));

    // Coming back to the main window (from the report, say) clears the hand-over.
    e.a->slider2()->setValue(10);
    eligeSegunda();
    e.s.delAsistente = e.s.codMultiple = e.s.tablaElegida = 0;
    e.a->Image3_Click(0);
    EXPECT_EQ((std::tuple{e.mostradas.size(), e.s.delAsistente, e.s.codMultiple, e.s.tablaElegida}),
              (std::tuple{2, 1, 7, 7}));
    // "Sencilla" hands over no table, whatever was handed over before.
    e.a->slider2()->setValue(6);
    e.s.codMultiple = e.s.tablaElegida = 7;
    e.a->Image3_Click(1);
    EXPECT_EQ((std::tuple{e.s.codMultiple, e.s.delAsistente, e.s.tablaElegida}), (std::tuple{0, 1, 0}));
}

TEST(AsistenteCombinacion, IconsShowTheirPictureUnderThePointerOnlyWhileEnabled) {
    Asistente e;
    AsistenteIcono* i = e.a->image3(1);
    QEnterEvent entra(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent sale(QEvent::Leave);
    const auto tras = [i](QEvent* evento) { return QCoreApplication::sendEvent(i, evento), i->imagen(); };
    const int apagada = tras(&entra); // disabled: no change
    e.a->slider2()->setValue(6);
    EXPECT_EQ((std::tuple{apagada, tras(&entra), tras(&sale)}), (std::tuple{8, 7, 6}));
}

TEST(AsistenteCombinacion, ReportIconShowsTheReportOrTellsWhyNot) {
    Asistente e;
    e.a->slider2()->setValue(8);
    e.a->Image2_Click();
    ASSERT_EQ(e.dialogs.boxes.size(), 1);
    EXPECT_EQ(
        e.dialogs.caja(0),
        (std::tuple{QStringLiteral("Error 20501. No es posible mostrar el informe. Si el error persiste, "
                                   "reinstalar el programa puede ser la solución."),
                    QStringLiteral("Error"), Dialogs::Icon::Information}));

    QFile::copy(QStringLiteral(VELMORAT_DIST_DIR "/Velmorat.net"),
                e.dir.ruta(QStringLiteral("Velmorat.net")));
    e.a->Image2_Click();
    auto* ventana = qobject_cast<InformeVentana*>(e.mostradas.value(0));
    ASSERT_TRUE(e.mostradas.size() == 1 && ventana);
    const QString pdf = e.dir.ruta(QStringLiteral("impreso.pdf"));
    ventana->elegirImpresora = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    ventana->imprimir();
    // The eight ranked numbers, the most frequent first.
    const QString impreso = textoPdf(pdf);
    EXPECT_LT(impreso.indexOf(QStringLiteral("\n5\n")), impreso.indexOf(QStringLiteral("\n28\n")));
    QString nombre = QStringLiteral("informe");
    ventana->elegirPdf = [&e, &nombre] { return e.dir.ruta(nombre); };
    LimiteEscritura(1000), ventana->guardarPdf(); // the limit holds for this statement only
    EXPECT_EQ(e.dialogs.boxes.value(1).text,
              QStringLiteral("No se ha podido guardar el archivo informe.pdf. (File too large)"));
    nombre = QStringLiteral("COPIA.PDF");
    ventana->guardarPdf();
    EXPECT_TRUE(QFile::exists(e.dir.ruta(nombre)));
    // The peña's report icon reads its own definition, missing here.
    QWidget pagina;
    auto* viejo = new QLabel(&pagina);
    viejo->setObjectName(QStringLiteral("Image2_1"));
    (new QHBoxLayout(&pagina))->addWidget(viejo);
    emit static_cast<AsistenteIcono*>(InformeVentana::instalaIconoPena(&pagina, e.s, {}))->clicked();
    EXPECT_EQ(e.dialogs.caja(2), e.dialogs.caja(0));
    QFile::remove(e.dir.ruta(QStringLiteral("Velmorat.mdb")));
    e.a->Image2_Click();
    EXPECT_EQ(e.dialogs.boxes.last().title, QStringLiteral("Falta un archivo"));
}
