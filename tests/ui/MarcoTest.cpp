#include "checking/gui/PanelResultados.h"
#include "core/OleDate.h"
#include "download/Descarga.h"
#include "download/EnlacesWeb.h"
#include "download/Fakes.h"
#include "download/gui/Infor.h"
#include "penas/gui/GestorTab.h"
#include "platform/gui/ImageList1.h"
#include "support/SesionPrueba.h"
#include "ui/Acercade.h"
#include "ui/Atajos.h"
#include "ui/Configurar.h"
#include "ui/GeneralTab.h"
#include "ui/Principal.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct Marco : ::testing::Test, SesionPrueba {
    FakeHttp http;
    FakeUrls urls;
    FakePdf pdf;

    Marco() : SesionPrueba(QDate(2026, 12, 10)) {
        dir.conTablas();
        dir.conBase();
        QByteArray sorteos;
        for (int d : {3, 5}) {
            RegSorteo r;
            r.bolas = {1, 2, 3, 30, 31, 32, 40, 8};
            r.fecha = oledate::fromYmd(2026, 12, d);
            sorteos += r.encode();
        }
        dir.write(QStringLiteral("numeros.dat"), sorteos);
        RegPena p;
        p.nombre = QStringLiteral("OFICINA").leftJustified(20);
        p.dias = QStringLiteral("Todos (L+J+S)").leftJustified(15);
        p.fecha = oledate::fromYmd(2026, 12, 1);
        p.numApuestas = 1;
        p.apuestas[0] = {1, 2, 3, 4, 5, 6};
        dir.write(QStringLiteral("apuestas.dat"), p.encode());
        s.http = &http;
        s.urls = &urls;
        s.pdf = &pdf;
    }
    Config guardada() const { return Config::decode(dir.read(QStringLiteral("nums.ini"))); }
    RegPena pena() const { return RegPena::decode(dir.read(QStringLiteral("apuestas.dat"))); }
    template <typename T> T* hijo(QWidget& w, const char* nombre) {
        return w.findChild<T*>(QString::fromLatin1(nombre));
    }
};

void moverRaton(QWidget* w) {
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

TEST_F(Marco, ANewNoticeAtLoadOpensTheWindowAndItsHostServesTheLinks) {
    const QByteArray pagina = "<html><!-- web:nuevo.example> -->" + QByteArray(400, 'n') + "</html>";
    http.replies << HttpReply{true, 200, QStringLiteral("OK"), "text/html", pagina};
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(http.gets, QStringList{QStringLiteral("http://www.velmorat.es/informe.dat")});
    auto* infor = qobject_cast<Infor*>(w.ventana(QStringLiteral("Infor")));
    ASSERT_NE(infor, nullptr);
    EXPECT_TRUE(infor->isVisible());
    EXPECT_EQ(guardada().webhost.trimmed(), QStringLiteral("nuevo.example"));

    hijo<QAction>(w, "web")->trigger();
    hijo<QAction>(w, "instrucciones")->trigger();
    w.general()->label5()->setFocus();
    emit w.general()->correoPulsado();
    EXPECT_EQ(
        urls.opened,
        (QStringList{QStringLiteral("http://nuevo.example"),
                     QStringLiteral("http://nuevo.example/descargas/Instrucciones%20Velmorat%203.2.pdf"),
                     enlaces::correo()}));

    // The stored host stands in for the next draw's date until the next summary.
    emit w.general()->label9Pulsado();
    EXPECT_EQ(w.general()->label9(5)->text(), QStringLiteral("nuevo.example").leftJustified(60));
    w.resumen();
    EXPECT_NE(w.general()->label9(5)->text(), QStringLiteral("nuevo.example").leftJustified(60));
}

TEST_F(Marco, VerMensajeOpensOneNoticeWindowButNotDuringADownload) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(http.gets.size(), 1); // the newest draw is five days old; no network: nothing shown
    EXPECT_EQ(w.ventana(QStringLiteral("Infor")), nullptr);

    w.descarga()->timer1().start();
    w.general()->command6()->click();
    hijo<QAction>(w, "Leer")->trigger();
    EXPECT_EQ(w.ventana(QStringLiteral("Infor")), nullptr);
    w.descarga()->timer1().stop();

    w.general()->command6()->click();
    QPointer<QWidget> aviso = w.ventana(QStringLiteral("Infor"));
    ASSERT_FALSE(aviso.isNull());
    hijo<QAction>(w, "Leer")->trigger();
    EXPECT_EQ(w.ventana(QStringLiteral("Infor")), aviso.data());
    EXPECT_TRUE(qobject_cast<Infor*>(aviso.data())->webBrowser1()->isHidden()); // empty page
    aviso->close();
}

TEST_F(Marco, SettingsTypedAreSavedAtOnceAndSetThePeriodMaximum) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    hijo<QAction>(w, "confi")->trigger();
    auto* conf = qobject_cast<Configurar*>(w.ventana(QStringLiteral("Configurar")));
    ASSERT_NE(conf, nullptr);
    EXPECT_EQ(conf->text1()->text(), QStringLiteral("1"));
    EXPECT_EQ(conf->text2()->text(), QStringLiteral("24"));

    conf->text1()->selectAll();
    QTest::keyClicks(conf->text1(), QStringLiteral("2,75"));
    EXPECT_FLOAT_EQ(guardada().precio, 2.75f);
    conf->text1()->selectAll();
    QTest::keyClicks(conf->text1(), QStringLiteral("x"));
    EXPECT_EQ(conf->text1()->text(), QStringLiteral("2,75"));

    conf->text2()->selectAll();
    QTest::keyClicks(conf->text2(), QStringLiteral("1"));
    EXPECT_EQ(conf->text2()->text(), QStringLiteral("1"));
    EXPECT_EQ(guardada().meses, 2);
    EXPECT_EQ(s.cfg.meses, 2);
    for (const char* nombre : {"Slider1_0", "Slider1_1"}) {
        auto* barra = hijo<QSlider>(w, nombre);
        ASSERT_NE(barra, nullptr) << nombre;
        EXPECT_EQ(barra->maximum(), 2) << nombre;
    }
    const QByteArray antes = dir.read(QStringLiteral("nums.ini"));
    ASSERT_EQ(antes.size(), Config::kSize);

    hijo<QAction>(w, "acerca")->trigger();
    auto* acerca = qobject_cast<Acercade*>(w.ventana(QStringLiteral("Acercade")));
    ASSERT_NE(acerca, nullptr);
    EXPECT_TRUE(acerca->label4()->text().startsWith(QStringLiteral("S.O: ")));
    acerca->Label2_Click();
    EXPECT_EQ(urls.opened, QStringList{QStringLiteral("http://www.velmorat.es")});
}

TEST_F(Marco, ShortcutsAndThePrintIconHover) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    auto* command5 = hijo<QPushButton>(w, "Command5");
    ASSERT_NE(command5, nullptr);
    command5->setEnabled(false);
    w.Image1_Click(7); // out of range: nothing
    w.Image1_Click(2); // "Borrar todos los sorteos" disabled: nothing
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    command5->setEnabled(true);
    dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::No;
    w.Image1_Click(2);
    ASSERT_FALSE(dialogs.boxes.isEmpty());
    EXPECT_EQ(dialogs.boxes.first().text, QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"));

    QLabel* image5 = w.resultados()->image5();
    ImageList1::show(image5, 14);
    w.sstab1()->setCurrentIndex(2);
    moverRaton(w.sstab1()->tabBar());
    EXPECT_TRUE(ImageList1::shows(image5, 14));
    w.sstab1()->setCurrentIndex(0);
    moverRaton(w.sstab1()->tabBar());
    EXPECT_TRUE(ImageList1::shows(image5, 13));
    EXPECT_FALSE(ImageList1::shows(image5, 14));
}

TEST_F(Marco, LoadChecksTheDrawsOnTheScrollBarAndShowsTheSimpleList) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    PanelResultados* panel = w.resultados();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), w.general());
    EXPECT_EQ(panel->listView(0)->model()->rowCount(), 4); // the newest draw: the scroll bar stands at 1
    EXPECT_FALSE(panel->listView(0)->isHidden());
    EXPECT_EQ(pena().acierto(3), 2); // both stored draws since its creation, though one is listed
    // The peñas tab shows the counters the check just stored, without a click.
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label13"))->text(), QStringLiteral("2"));
    EXPECT_EQ(pena().fecha2, oledate::fromYmd(2026, 12, 5));
    // The summary, the peña list and the results chooser are filled from the peñas file.
    EXPECT_EQ(w.general()->label9(2)->text(), QStringLiteral("1"));
    EXPECT_EQ(s.sigPena, 2);
    auto* lista = w.gestor()->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->topLevelItem(0)->text(0).trimmed(), QStringLiteral("OFICINA"));
    ASSERT_EQ(panel->combo2()->count(), 2); // entry k is record k
    EXPECT_EQ(panel->combo2()->itemText(1).trimmed(), QStringLiteral("OFICINA"));
}

TEST_F(Marco, ActivationAfterASavedPeñaRefreshesTheNewestDrawAndTabChangeStopsTheBlink) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    w.general()->hScroll1()->setValue(2);
    EXPECT_EQ(w.resultados()->listView(0)->model()->rowCount(), 8);
    s.penasCambiadas = 1;
    w.Form_Activate();
    EXPECT_EQ(w.general()->hScroll1()->value(), 1);
    EXPECT_EQ(w.resultados()->listView(0)->model()->rowCount(), 4);
    EXPECT_EQ(w.resultados()->combo2()->currentIndex(), -1);
    EXPECT_EQ(s.penasCambiadas, 0);

    // Leaving the General tab stops the prize blink.
    w.resultados()->setConpremio(1);
    w.resultados()->timer3().start();
    w.resultados()->Timer3_Timer();
    EXPECT_EQ(w.resultados()->command1(0)->text(), QStringLiteral("P R E M I O"));
    w.sstab1()->setCurrentIndex(2);
    EXPECT_FALSE(w.resultados()->timer3().isActive());
    EXPECT_EQ(w.resultados()->command1(0)->text(), QStringLiteral("S E N C I L L A"));
}
