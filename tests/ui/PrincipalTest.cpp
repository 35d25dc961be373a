#include "ui/Principal.h"
#include "checking/gui/PanelResultados.h"
#include "core/OleDate.h"
#include "core/Resumen.h"
#include "download/Descarga.h"
#include "download/EnlacesWeb.h"
#include "download/Fakes.h"
#include "download/gui/Infor.h"
#include "penas/gui/Crea.h"
#include "penas/gui/GestorTab.h"
#include "platform/gui/Etiqueta.h"
#include "platform/gui/ImageList1.h"
#include "platform/gui/ModalDialog.h"
#include "platform/gui/QtDialogs.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/EstadisticasTab.h"
#include "stats/gui/FiltrosPaso1.h"
#include "stats/gui/GraficaFrecuencias.h"
#include "stats/gui/InformeVentana.h"
#include "stats/gui/ModeloSorteos.h"
#include "support/HistoriaReal.h"
#include "support/LimiteEscritura.h"
#include "support/SesionPrueba.h"
#include "ui/Acercade.h"
#include "ui/Atajos.h"
#include "ui/Configurar.h"
#include "ui/EnPantalla.h"
#include "ui/GeneralTab.h"
#include "ui/IdiomaYFuentes.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

using F = FiltrosEstadisticas;
const QString kBienvenida = QStringLiteral("Fichero de peñas vacío");

// A program folder with the tables and the report database, a session on a fixed day and
// the network, browser and PDF reader replaced by fakes.
struct Ventana : ::testing::Test, SesionPrueba {
    FakeHttp http;
    FakeUrls urls;
    FakePdf pdf;

    explicit Ventana(QDate hoy = QDate(2026, 12, 1)) : SesionPrueba(hoy) {
        dir.conTablas();
        dir.conBase();
        s.http = &http;
        s.urls = &urls;
        s.pdf = &pdf;
    }
    void guardarSorteo(QDate d) {
        const RegSorteo r = registroSorteo(oledate::fromQDate(d), {1, 2, 3, 30, 31, 32}, 40, 8);
        dir.write(QStringLiteral("numeros.dat"), dir.read(QStringLiteral("numeros.dat")) + r.encode());
    }
    // A peña of one bet, 1 to 6, created on 1 December 2026.
    void guardarPena() {
        const RegPena p = registroPena(QStringLiteral("OFICINA"), QStringLiteral("Todos (L+J+S)"),
                                       oledate::fromYmd(2026, 12, 1), {{1, 2, 3, 4, 5, 6}});
        dir.write(QStringLiteral("apuestas.dat"), p.encode());
    }
    RegPena pena() const { return RegPena::decode(dir.read(QStringLiteral("apuestas.dat"))); }
    Config guardada() const { return Config::decode(dir.read(QStringLiteral("nums.ini"))); }
    int cajas(const QString& titulo) const {
        int n = 0;
        for (const auto& b : dialogs.boxes)
            n += b.title == titulo;
        return n;
    }
    // A plain window handed to the main window as the secondary window of that name.
    static QWidget* abrir(Principal& w, const char* nombre) {
        auto* v = new QWidget;
        v->setObjectName(QString::fromLatin1(nombre));
        w.mostrarVentana(v);
        return v;
    }
    template <typename T> T* hijo(QWidget& w, const char* nombre) {
        return w.findChild<T*>(QString::fromLatin1(nombre));
    }
    // The main window on this folder, loaded.
    Principal& cargada() {
        principal = std::make_unique<Principal>(s, dir.path());
        EXPECT_TRUE(principal->Form_Load());
        return *principal;
    }
    std::unique_ptr<Principal> principal;
};

// Draws on Thursday 3 and Saturday 5 December, the peña, and today five days later.
struct Marco : Ventana {
    Marco() : Ventana(QDate(2026, 12, 10)) {
        guardarSorteo(QDate(2026, 12, 3));
        guardarSorteo(QDate(2026, 12, 5));
        guardarPena();
    }
};

// The main window loaded on the real draw history.
struct TabEstadisticas : Ventana {
    TabEstadisticas() : Ventana(QDate(2026, 8, 20)) {
        dir.write(QStringLiteral("numeros.dat"), historia);
        w.Form_Load();
        tab = w.estadisticas();
    }
    void click(QCheckBox* c) { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(4, c->height() / 2)); }
    int filas() const { return tab->modelo()->rowCount(); }

    QByteArray historia = bytesHistoriaReal();
    Principal w{s, dir.path()};
    EstadisticasTab* tab = nullptr;
};

QAccessibleInterface* accesible(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

void moverRaton(QWidget* w) {
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

TEST_F(Ventana, LoadFillsTheSummaryAndExitClosesTheFiles) {
    guardarSorteo(QDate(2026, 11, 26));
    Principal& w = cargada();
    GeneralTab* g = w.general();
    EXPECT_EQ(
        (QStringList{g->label9(3)->text(), g->label9(5)->text(), g->label9(7)->text()}),
        (QStringList{QStringLiteral("Jueves, 26 de noviembre del 2026"),
                     QStringLiteral("Jueves, 3 de diciembre del 2026"), QStringLiteral("Faltan 2 días")}));
    EXPECT_EQ((std::tuple{g->hScroll1()->isEnabled(), g->hScroll1()->maximum(), g->check1()->isEnabled(),
                          g->timer2().isActive(), s.files.numeros.isOpen()}),
              (std::tuple{true, 1, true, false, true}));
    w.salir_Click();
    EXPECT_EQ((std::tuple{s.files.numeros.isOpen(), s.files.apuestas.isOpen(), s.files.numsIni.isOpen()}),
              (std::tuple{false, false, false}));
}

TEST_F(Ventana, ReminderBlinks) {
    guardarSorteo(QDate(2026, 11, 1));
    Principal& w = cargada();
    GeneralTab* g = w.general();
    EXPECT_TRUE(g->timer2().isActive());
    EXPECT_EQ(g->label9(6)->text(), QStringLiteral("Faltan 4 semanas por actualizar"));
    const bool antes = g->label9(6)->isHidden(); // each tick turns the reminder over
    EXPECT_EQ((std::tuple{(g->Timer2_Timer(), g->label9(6)->isHidden()),
                          (g->Timer2_Timer(), g->label9(6)->isHidden())}),
              (std::tuple{!antes, antes}));
    g->label9(6)->show();
    g->mostrarResumen(ResumenVista{}); // updated: the reminder stops, hidden
    EXPECT_EQ(std::tuple(g->timer2().isActive(), g->label9(6)->isHidden()), std::tuple(false, true));
}

TEST_F(Ventana, MissingTablesFileStopsTheLoad) {
    QFile::remove(dir.ruta(QStringLiteral("tablas.bin")));
    Principal w(s, dir.path());
    EXPECT_FALSE(w.Form_Load());
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.caja(0),
              (std::tuple{QStringLiteral("No se encuentra un archivo necesario para el funcionamiento "
                                         "del programa. Reinstale el programa. Error 53"),
                          QStringLiteral("¡Vaya hombre!"), Dialogs::Icon::Exclamation}));
    // Nothing after the check ran; the files it opened are closed again.
    EXPECT_EQ(std::tuple(dir.exists(QStringLiteral("nums.ini")), s.files.apuestas.isOpen(),
                         s.files.numeros.isOpen()),
              std::tuple(false, false, false));
}

// With empty files the filters are disabled and the welcome shows once.
TEST_F(Ventana, EmptyFilesDisableTheFiltersAndWelcomeOnlyOnceWithoutPenas) {
    Principal& w = cargada();
    GeneralTab* g = w.general();
    EXPECT_EQ((QStringList{g->label9(3)->text(), g->label9(6)->text()}),
              (QStringList{QStringLiteral("Fichero de datos vacío."),
                           QStringLiteral("No se ha actualizado nunca")}));
    EXPECT_EQ((std::tuple{g->hScroll1()->isEnabled(), g->check1()->isEnabled(), g->check2()->isEnabled()}),
              (std::tuple{false, false, false}));
    w.Form_Activate();
    w.Form_Activate();
    ASSERT_EQ(cajas(kBienvenida), 1);
    EXPECT_EQ(dialogs.caja(dialogs.boxes.size() - 1),
              (std::tuple{QStringLiteral(
                              "Bienvenido a Velmorat. Vaya a la pestaña 'Crear Combinación' y cree una peña. "
                              "Podrás comprobar tus resultados a partir de hoy. Instrucciones disponibles en "
                              "nuestra web, en la sección 'Tutorial' o en el programa, en el menú 'Ayuda'."),
                          kBienvenida, Dialogs::Icon::Information}));

    Session otra(dialogs, clock);
    guardarPena();
    Principal w2(otra, dir.path());
    ASSERT_TRUE(w2.Form_Load());
    w2.Form_Activate();
    EXPECT_EQ(cajas(kBienvenida), 1);
}

TEST_F(Ventana, ActivationClosesSecondaryWindowsButTheNotice) {
    guardarPena();
    dir.write(QStringLiteral("apuestas.dat"), pena().encode().repeated(2));
    Principal& w = cargada();
    const char* nombres[] = {"Crea", "Creamenu", "Imprimir", "Acercade", "Configurar", "Infor"};
    QList<QPointer<QWidget>> ventanas;
    for (const char* n : nombres)
        ventanas.append(abrir(w, n));
    s.modoEdicion = 1;
    s.delAsistente = 1;
    s.penaSel = 2;
    w.resultados()->combo2()->setCurrentIndex(1);
    w.Form_Activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(ventanas[i].isNull()) << nombres[i];
    ASSERT_TRUE(ventanas[5] && ventanas[5]->isVisible());
    // The edit raised penasCambiadas and the refresh consumed it, keeping the peña edited; the
    // list's own reload (after a deletion) shows row 1.
    EXPECT_EQ((std::tuple{s.modoEdicion, s.delAsistente, s.penasCambiadas,
                          w.resultados()->combo2()->currentIndex(), s.penaSel}),
              (std::tuple{0, 0, 0, -1, 2}));
    EXPECT_EQ((w.gestor()->resumen(), s.penaSel), 1);
    delete ventanas[5];
}

TEST_F(Ventana, ComingBackFromASecondaryWindowActivates) {
    guardarPena();
    Principal& w = cargada();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTRY_COMPARE(w.activaciones(), 1);

    QPointer<QWidget> acerca = abrir(w, "Acercade");
    ASSERT_TRUE(QTest::qWaitForWindowActive(acerca));
    w.activateWindow();
    QTRY_COMPARE(w.activaciones(), 2);
    QTRY_VERIFY(acerca.isNull());

    // Closing a secondary window returns to the main window: one activation, not two.
    QWidget* config = abrir(w, "Configurar");
    ASSERT_TRUE(QTest::qWaitForWindowActive(config));
    config->close();
    QTRY_COMPARE(w.activaciones(), 3);
    QTest::qWait(50);
    EXPECT_EQ(w.activaciones(), 3);

    // A window that opens another and closes (the chooser opening the editor) does not
    // return the user to the main window.
    QWidget* creamenu = abrir(w, "Creamenu");
    ASSERT_TRUE(QTest::qWaitForWindowActive(creamenu));
    QPointer<QWidget> editor = abrir(w, "Crea");
    creamenu->close();
    QTest::qWait(50);
    EXPECT_EQ(w.activaciones(), 3);
    ASSERT_FALSE(editor.isNull());
    editor->close();
    QTRY_COMPARE(w.activaciones(), 4);

    // A message box of the main window is no activation.
    QTimer::singleShot(0, [] {
        if (QWidget* caja = QApplication::activeModalWidget())
            caja->close();
    });
    QMessageBox::information(&w, QStringLiteral("t"), QStringLiteral("x"));
    QTest::qWait(50);
    EXPECT_EQ(w.activaciones(), 4);
}

TEST_F(Ventana, AnEditorHoldingUnsavedBetsStaysOpenAndListed) {
    guardarPena();
    Principal& w = cargada();
    s.delAsistente = 1;
    s.codMultiple = 2;
    for (int i = 0; i < 49; ++i)
        s.numerosAuto[static_cast<size_t>(i)] = static_cast<int16_t>(i + 1);
    QPointer<Crea> editor = Crea::crear(s, VentanasPenas{});
    ASSERT_FALSE(editor.isNull());
    w.mostrarVentana(editor);
    ASSERT_EQ(editor->editor().lista().size(), 1);
    w.Form_Activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(editor.isNull());
    EXPECT_EQ((std::tuple{editor->isVisible(), w.ventana(QStringLiteral("Crea")), s.delAsistente}),
              (std::tuple{true, static_cast<QWidget*>(editor.data()), 1}));
    // Once the bets are gone, the next return to the main window closes it.
    editor->editor().Command2_Click();
    w.Form_Activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(std::tuple(editor.isNull(), s.delAsistente), std::tuple(true, 0));
}

// The window fits a 1366×768 screen with a panel and its lists grow with it; the draws to view
// move with the keyboard; every control a user acts on on the first three pages has a name.
TEST_F(Ventana, FitsASmallScreenAnswersTheKeyboardAndNamesItsControls) {
    guardarPena();
    guardarSorteo(QDate(2026, 11, 26));
    guardarSorteo(QDate(2026, 11, 30));
    Principal& w = cargada();
    EXPECT_LE(w.minimumSizeHint().height(), 700);
    QTest::keyClick(w.general()->hScroll1(), Qt::Key_Right);
    EXPECT_EQ(w.general()->text3()->text(), QStringLiteral("2"));
    w.findChild<QAction*>(QStringLiteral("Gestor"))->trigger();
    ASSERT_EQ(w.sstab1()->currentIndex(), 2);
    w.resize(w.minimumSizeHint());
    w.show();
    auto* lista = w.findChild<QWidget*>(QStringLiteral("ListView5"));
    const int antes = lista->height();
    w.resize(w.width() + 200, w.height() + 200);
    QCoreApplication::processEvents();
    EXPECT_GT(lista->height(), antes);
    QStringList sinNombre;
    for (QWidget* c : w.findChildren<QWidget*>())
        if (c->window() == &w &&
            (c->focusPolicy() != Qt::NoFocus || c->cursor().shape() == Qt::PointingHandCursor) &&
            !qobject_cast<QAbstractScrollArea*>(c->parentWidget()) &&
            QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).trimmed().isEmpty())
            sinNombre << c->objectName();
    EXPECT_EQ(sinNombre, QStringList());
    EXPECT_EQ((hijo<QAction>(w, "gene")->trigger(), w.sstab1()->currentIndex()), 0);
}

// A window of 300×200 that needs 250×150, not yet framed (4, 32, 4, 4 around it), placed in
// free areas anywhere on the desktop, some smaller than the window: its frame stays inside,
// and it gives up what does not fit.
TEST(EnPantalla, TheFrameStaysInsideAFreeAreaAnywhereAndOfAnySize) {
    using enpantalla::Lugar;
    const QRect zona(100, 50, 800, 600);
    for (const auto& [libre, lugar, desde, esperado] :
         {std::tuple{zona, Lugar::Centrada, QPoint(), QRect(345, 231, 300, 200)},
          std::tuple{zona.translated(-300, -150), Lugar::ArribaIzquierda, QPoint(9, 9),
                     QRect(-200, -100, 300, 200)},
          std::tuple{zona, Lugar::Donde, QPoint(2000, 2000), QRect(592, 414, 300, 200)},
          std::tuple{zona, Lugar::Donde, QPoint(-500, -500), QRect(100, 50, 300, 200)},
          std::tuple{QRect(-200, 30, 1000, 150), Lugar::Donde, QPoint(0, 0), QRect(0, 30, 300, 114)},
          std::tuple{QRect(100, 50, 200, 1000), Lugar::Centrada, QPoint(), QRect(100, 431, 192, 200)}}) {
        QWidget v;
        v.setMinimumSize(250, 150);
        v.resize(300, 200);
        v.move(desde);
        enpantalla::colocar(&v, nullptr, lugar, libre);
        EXPECT_EQ(QRect(v.pos(), v.size()), esperado) << libre.x() << ' ' << libre.width();
    }
}

TEST(IdiomaYFuentes, StandardDialogsSpeakSpanish) {
    ASSERT_TRUE(instalarTraduccionesQt(*qApp));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
    for (QTranslator* t : qApp->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(t);
}

TEST_F(Marco, ANewNoticeAtLoadOpensTheWindowAndItsHostServesTheLinks) {
    const QByteArray pagina = "<html><!-- web:nuevo.example> -->" + QByteArray(400, 'n') + "</html>";
    http.replies << HttpReply{true, 200, QStringLiteral("OK"), "text/html", pagina};
    Principal& w = cargada();
    EXPECT_EQ(http.gets, QStringList{QStringLiteral("http://www.velmorat.es/informe.dat")});
    ASSERT_NE(w.ventana(QStringLiteral("Infor")), nullptr);
    EXPECT_EQ(std::tuple(w.ventana(QStringLiteral("Infor"))->isVisible(), guardada().webhost.trimmed()),
              std::tuple(true, QStringLiteral("nuevo.example")));

    hijo<QAction>(w, "web")->trigger();
    hijo<QAction>(w, "instrucciones")->trigger();
    QCoreApplication::processEvents();
    w.general()->label5()->setFocus();
    for (bool activa : {false, true}) // the envelope beside the address, answering only when enabled
        hijo<Etiqueta>(w, "Picture1")->setEnabled(activa), hijo<Etiqueta>(w, "Picture1")->pulsar();
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
    Principal& w = cargada();
    EXPECT_EQ(http.gets.size(), 1); // the newest draw is five days old; no network: nothing shown
    EXPECT_EQ(w.ventana(QStringLiteral("Infor")), nullptr);

    w.descarga()->timer1().start();
    w.general()->command6()->click();
    hijo<QAction>(w, "Leer")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.ventana(QStringLiteral("Infor")), nullptr);
    w.descarga()->timer1().stop();

    w.general()->command6()->click();
    QPointer<QWidget> aviso = w.ventana(QStringLiteral("Infor"));
    ASSERT_FALSE(aviso.isNull());
    hijo<QAction>(w, "Leer")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.ventana(QStringLiteral("Infor")), aviso.data());
    EXPECT_TRUE(qobject_cast<Infor*>(aviso.data())->webBrowser1()->isHidden()); // empty page
    w.descarga()->enlaces.cerrarAviso(); // as a download does before it fetches
    EXPECT_TRUE(aviso.isNull() || !aviso->isVisible());
}

TEST_F(Marco, SettingsAreSavedAtOnceShortcutsAndThePrintIconHover) {
    Principal& w = cargada();
    hijo<QAction>(w, "confi")->trigger(); // queued, as a press: the window opens on the next turn
    EXPECT_EQ(w.ventana(QStringLiteral("Configurar")), nullptr);
    QCoreApplication::processEvents();
    auto* conf = qobject_cast<Configurar*>(w.ventana(QStringLiteral("Configurar")));
    ASSERT_NE(conf, nullptr);
    QStringList textos{conf->text1()->text(), conf->text2()->text()};
    for (const QLabel* l : conf->findChildren<QLabel*>())
        textos << l->text();
    EXPECT_EQ(textos.join(u'|'),
              QStringLiteral("1|24|CONFIGURACIÓN|X|-Precio por apuesta:|euros.|-Sorteo max. "
                             "división:|meses,|* Mínimo 2 meses"));

    const auto teclea = [](QLineEdit* c, const char* t) { c->selectAll(), QTest::keyClicks(c, t); };
    teclea(conf->text1(), "2,75");
    EXPECT_FLOAT_EQ(guardada().precio, 2.75f);
    teclea(conf->text1(), "x");
    EXPECT_EQ(conf->text1()->text(), QStringLiteral("2,75"));

    teclea(conf->text2(), "1");
    EXPECT_EQ((std::tuple{conf->text2()->text(), guardada().meses, s.cfg.meses}),
              (std::tuple{QStringLiteral("1"), 2, 2}));
    EXPECT_EQ(std::tuple(hijo<QSlider>(w, "Slider1_0")->maximum(), hijo<QSlider>(w, "Slider1_1")->maximum()),
              std::tuple(2, 2));
    ASSERT_EQ(dir.read(QStringLiteral("nums.ini")).size(), Config::kSize);

    hijo<QAction>(w, "acerca")->trigger();
    QCoreApplication::processEvents();
    auto* acerca = qobject_cast<Acercade*>(w.ventana(QStringLiteral("Acercade")));
    ASSERT_NE(acerca, nullptr);
    EXPECT_TRUE(acerca->label4()->text().startsWith(QStringLiteral("S.O: ")));
    QAccessibleInterface* correo = accesible(hijo<QWidget>(*acerca, "Label3"));
    for (int i = 0; i < accesible(acerca)->childCount(); ++i) // the logo is left out
        EXPECT_NE(accesible(acerca)->child(i)->role(), QAccessible::Graphic);
    acerca->Label2_Click();
    correo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(urls.opened, correo->role()),
              std::tuple(QStringList{QStringLiteral("http://www.velmorat.es"), enlaces::correo()},
                         QAccessible::Link));

    // Shortcuts and the print icon under the pointer.
    auto* command5 = hijo<QPushButton>(w, "Command5");
    command5->setEnabled(false);
    w.Image1_Click(7); // out of range: nothing
    w.Image1_Click(2); // "Borrar todos los sorteos" disabled: nothing
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    command5->setEnabled(true);
    dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::No;
    // A screen reader's press returns before the box is asked; the box comes on the next turn.
    QAccessibleActionInterface* borrar = accesible(hijo<QWidget>(w, "Image1_2"))->actionInterface();
    borrar->doAction(QAccessibleActionInterface::pressAction());
    borrar->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.boxes.size(), 2); // one press: its two questions
    EXPECT_EQ(dialogs.boxes.value(0).text, QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"));

    QLabel* image5 = w.resultados()->image5();
    ImageList1::show(image5, 14);
    w.sstab1()->setCurrentIndex(2);
    moverRaton(w.sstab1()->tabBar());
    EXPECT_TRUE(ImageList1::shows(image5, 14));
    w.sstab1()->setCurrentIndex(0);
    moverRaton(w.sstab1()->tabBar());
    EXPECT_EQ(std::tuple(ImageList1::shows(image5, 13), ImageList1::shows(image5, 14)),
              std::tuple(true, false));

    // Seven digits are kept whole; a failed write is told once; the "X" is a button that closes.
    teclea(conf->text1(), "1234567");
    EXPECT_EQ(guardada().precio, 1234567.0f);
    const qsizetype antes = dialogs.boxes.size();
    LimiteEscritura(10), QTest::keyClicks(conf->text2(), QStringLiteral("56")); // two failed writes
    ASSERT_EQ(dialogs.boxes.size(), antes + 1);
    EXPECT_EQ(dialogs.boxes.last().text,
              QStringLiteral("No se ha podido guardar el archivo nums.ini. (File too large)"));
    QTest::keyClicks(conf->text2(), QStringLiteral("7")); // written: the next failure is told again
    LimiteEscritura(10), QTest::keyClicks(conf->text2(), QStringLiteral("8"));
    EXPECT_EQ(dialogs.boxes.size(), antes + 2);
    QAccessibleInterface* cerrar = accesible(hijo<QWidget>(*conf, "Label2"));
    EXPECT_EQ(std::tuple(cerrar->role(), cerrar->text(QAccessible::Name)),
              std::tuple(QAccessible::Button, QStringLiteral("Cerrar")));
    conf->show();
    cerrar->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_FALSE(conf->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    hijo<QAction>(w, "confi")->trigger();
    QCoreApplication::processEvents();
    conf = qobject_cast<Configurar*>(w.ventana(QStringLiteral("Configurar")));
    EXPECT_EQ(conf->text1()->text(), QStringLiteral("1234567"));
}

TEST_F(Marco, LoadChecksTheDrawsOnTheScrollBarAndShowsTheSimpleList) {
    Principal& w = cargada();
    PanelResultados* panel = w.resultados();
    EXPECT_EQ(panel->parentWidget(), w.general());
    // The newest draw: the scroll bar stands at 1.
    EXPECT_EQ(std::tuple(panel->listView(0)->model()->rowCount(), panel->listView(0)->isHidden()),
              std::tuple(4, false));
    // Both stored draws since its creation are counted, though one is listed; the peñas tab shows
    // the counters the check just stored, without a click.
    EXPECT_EQ((std::tuple{pena().acierto(3), pena().fecha2,
                          w.findChild<QLabel*>(QStringLiteral("Label13"))->text()}),
              (std::tuple{2, oledate::fromYmd(2026, 12, 5), QStringLiteral("2")}));
    // The summary, the peña list and the results chooser are filled from the peñas file.
    // The chooser's entry k is record k.
    EXPECT_EQ((std::tuple{w.general()->label9(2)->text(), s.sigPena,
                          hijo<QTreeWidget>(w, "ListView1")->topLevelItem(0)->text(0).trimmed(),
                          panel->combo2()->count(), panel->combo2()->itemText(1).trimmed()}),
              (std::tuple{QStringLiteral("1"), 2, QStringLiteral("OFICINA"), 2, QStringLiteral("OFICINA")}));

    // Activation after a saved peña puts the newest draw back; a tab change stops the blink.
    w.general()->hScroll1()->setValue(2);
    EXPECT_EQ(w.resultados()->listView(0)->model()->rowCount(), 8);
    s.penasCambiadas = 1;
    w.Form_Activate();
    EXPECT_EQ((std::tuple{w.general()->hScroll1()->value(), panel->listView(0)->model()->rowCount(),
                          panel->combo2()->currentIndex(), s.penasCambiadas}),
              (std::tuple{1, 4, -1, 0}));

    // Leaving the General tab stops the prize blink.
    w.resultados()->setConpremio(1);
    w.resultados()->timer3().start();
    w.resultados()->Timer3_Timer();
    EXPECT_EQ(w.resultados()->command1(0)->text(), QStringLiteral("P R E M &I O"));
    w.sstab1()->setCurrentIndex(2);
    EXPECT_FALSE(w.resultados()->timer3().isActive());
    EXPECT_EQ(w.resultados()->command1(0)->text(), QStringLiteral("S E N C &I L L A"));
}

TEST_F(TabEstadisticas, BoxesOnBothTabsDriveOneSelection) {
    const int todos = int(historia.size() / RegSorteo::kSize);
    EXPECT_EQ(std::tuple(tab->label7()->text(), filas(), tab->msChart1()->serie()->count()),
              std::tuple(QStringLiteral("TOTAL: %1 sorteos.").arg(todos), todos, 1));
    // Activation puts the chart back on its first page.
    tab->hScroll2()->setValue(2);
    w.general()->hScroll1()->setValue(3);
    w.Form_Activate();
    EXPECT_EQ(tab->hScroll2()->value(), 1);

    // Unticking Monday in the wizard unticks it here too and recounts.
    int lunes = 0;
    for (const RegSorteo& r : sorteosHistoriaReal())
        lunes += oledate::toQDate(r.fecha).dayOfWeek() == 1;
    click(w.filtrosPaso1()->check3(F::LunesPaso1));
    EXPECT_EQ(std::tuple(tab->check3(F::Lunes)->isChecked(), filas()), std::tuple(false, todos - lunes));

    // A screen reader's toggle is the user's click, queued.
    accesible(tab->check3(F::Comparativa))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tab->msChart1()->serie()->count() == 3; }, 1000));
    EXPECT_EQ(
        (std::tuple{tab->check3(F::Lunes)->isChecked(), w.filtrosPaso1()->check3(F::LunesPaso1)->isChecked(),
                    tab->check3(F::Lunes)->isEnabled(), tab->frame5()->isHidden()}),
        (std::tuple{true, true, false, false}));
    const QList<QBarSet*> sets = tab->msChart1()->serie()->barSets();
    ASSERT_EQ(sets.size(), 3);
    // Page 1 ends with 25: 241 times on a Thursday, 208 on a Saturday (counted by hand).
    EXPECT_EQ(std::tuple(sets[2]->label(), sets[1]->at(24), sets[2]->at(24)),
              std::tuple(QStringLiteral("Sábado"), 241.0, 208.0));
    // A screen reader reads the chart as a whole: its name and every bar as text.
    QAccessibleInterface* grafica = accesible(tab->msChart1());
    const QString valores = grafica->text(QAccessible::Description);
    EXPECT_EQ((std::tuple{grafica->role(), grafica->childCount(), grafica->text(QAccessible::Name),
                          valores.count(u';'),
                          valores.endsWith(QStringLiteral("; 25: Lunes %1 veces, Jueves 241 "
                                                          "veces, Sábado 208 veces.")
                                               .arg(sets[0]->at(24)))}),
              (std::tuple{QAccessible::Chart, 0, QStringLiteral("Gráfica de frecuencias"), 24, true}));

    // Unticking "Todos" shows both sliders; moving one moves the other.
    click(tab->check3(F::Todos));
    EXPECT_FALSE(tab->slider1()->isHidden());
    EXPECT_TRUE(w.filtrosPaso1()->check3(F::UltimoMesPaso1)->isChecked());
    w.filtrosPaso1()->slider1()->setValue(12);
    EXPECT_EQ(std::tuple(tab->slider1()->value(), tab->check3(F::UltimoMes)->text(), tab->label7()->text(),
                         filas() < 200),
              std::tuple(12, QStringLiteral("Últimos 12 m&eses"), w.seleccion()->label7(), true));
}

// Moving through the list with the keyboard never asks; Enter on a row deletes the draw it
// shows, also under a weekday filter.
TEST_F(TabEstadisticas, DeletingARowUnderAFilterRemovesThatDraw) {
    click(tab->check3(F::Jueves));
    click(tab->check3(F::Sabado)); // Mondays only
    tab->mantenimiento().modoBorrar = 1;
    QTreeView* lista = tab->listView3();
    lista->setFocus();
    lista->setCurrentIndex(tab->modelo()->index(0, 0));
    QTest::keyClick(lista, Qt::Key_Down);
    QTest::keyClick(lista, Qt::Key_Down);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    const int antes = filas();
    const SorteoListado elegido = *tab->modelo()->sorteo(2);
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_EQ(std::tuple(dialogs.boxes.size(), dialogs.boxes.value(0).text, filas()),
              std::tuple(1, QStringLiteral("¿Seguro que quieres eliminar este sorteo?"), antes - 1));
    QByteArray esperado = historia;
    esperado.remove(qint64(elegido.registro - 1) * 32, 32);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), esperado);
    EXPECT_EQ(s.sigSorteo, int(esperado.size() / 32) + 1);

    // The rows above it now show one record lower: deleting the newest still finds it.
    dialogs.answers = {Dialogs::Answer::Yes};
    tab->ListView3_ItemClick(0);
    esperado.chop(32);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), esperado);
}

// Every menu and entry has its own underlined letter and F10 opens the menu bar; Tab walks the
// General page as it stands on the screen and leaves the results list; the picture buttons
// are buttons that Space and Enter press, each running its own command.
TEST_F(Marco, TheKeyboardReachesMenusAndPictureButtonsInScreenOrder) {
    Principal& w = cargada();
    // Every menu entry and button has a letter a Spanish keyboard types without a dead key,
    // unique among what is on view with it: each menu; the menu bar with each page; each window.
    QStringList barra;
    const auto revisa = [](QWidget* raiz, QStringList textos) {
        for (QAction* a : raiz->actions())
            textos << a->text();
        for (QAbstractButton* b : raiz->findChildren<QAbstractButton*>())
            textos << b->text();
        textos.removeAll(QString()); // separators, pictures
        QString letras;
        for (const QString& t : textos)
            letras += QKeySequence::mnemonic(t).toString().remove(QStringLiteral("Alt+"));
        const QRegularExpression unaVez(QStringLiteral("^(?:([A-Z])(?!.*\\1))*$")); // each letter once
        EXPECT_TRUE(letras.size() == textos.size() && unaVez.match(letras).hasMatch())
            << qPrintable(textos.join(u'|'));
    };
    QStringList textos; // the menus with their entries, the General page's captions, the shortcuts
    for (QAction* a : w.menuBar()->actions()) {
        barra << a->text();
        textos << a->text() + u':';
        for (QAction* e : a->menu()->actions())
            textos << e->text();
    }
    GeneralTab* g = w.general();
    textos << g->label9(0)->text() << g->label9(1)->text() << g->label9(4)->text()
           << g->hScroll1()->accessibleName() << g->findChild<QLabel*>(QStringLiteral("Label5"))->text();
    for (int i = 0; i < 5; ++i)
        textos << w.atajos()->image1(i)->toolTip();
    EXPECT_EQ(
        textos.join(u'|'),
        QStringLiteral("&General:|&Bajar Sorteos nuevos|&Crear peña nueva|B&orrar sorteos almacenados/Reset "
                       "aciertos peñas|Se&ncillas|&Múltiples|&Salir|&Ver:|Pestaña &General|Pestaña Último "
                       "&sorteo|Pestaña Gestor de &peñas|Pestaña &Estadísticas|Pestaña &Crear "
                       "Combinación|&Opciones:|&Configuración|A&yuda:|&Instrucciones|&Leer mensaje del "
                       "Jefe|&Web del programa|&Acerca de...|- Peñas registradas a comprobar:|- Última "
                       "actualización de sorteos:|- Próximo sorteo:|Nº. de sorteos a ver|Aprieta y envíame "
                       "un email|Eliminar peña|Editar Peña|Borrar todos los sorteos|Imprimir boletos|Añade "
                       "todos los sorteos desde la creación de la Primitiva!!"));
    for (int i = 0; i < w.sstab1()->count(); ++i)
        revisa(w.sstab1()->widget(i), barra);
    w.gestor()->Command7_Click(), w.gestor()->Command2_Click(), w.Crearp_Click(); // on the highlighted peña
    QWidget* crea = w.ventana(QStringLiteral("Crea"));
    InformeVentana informe(s, QString(), QStringLiteral("x"));
    for (QWidget* v : QApplication::topLevelWidgets()) // the menus, the secondary windows
        if (v != &w)
            revisa(v, {});
    // Tab follows the screen: the peña report icon right after the Gestor's buttons, the wizard's
    // step 1 right after the intro's buttons (so before step 2), the editor's close mark last.
    EXPECT_EQ((QStringList{hijo<QWidget>(w, "Command7")->nextInFocusChain()->objectName(),
                           hijo<QWidget>(w, "Command9")->nextInFocusChain()->objectName(),
                           hijo<QWidget>(*crea, "Label5")->previousInFocusChain()->objectName()}),
              (QStringList{"Image2_1", "Check3_10", "Command3"}));
    w.descargarVentana(QStringLiteral("Imprimir")); // opened again below, from its shortcut
    // The chooser keeps its own place: 3200 twips across and 2800 down from the main window.
    EXPECT_EQ(w.ventana(QStringLiteral("Creamenu"))->pos() - w.pos(), QPoint(213, 187)); // 96 dots an inch
    QStringList ver;
    for (QAction* a : hijo<QMenu>(w, "MenuVer")->actions()) {
        a->trigger();
        ver << a->text().remove(u'&') + QString::number(w.sstab1()->currentIndex());
    }
    EXPECT_EQ(
        ver, (QStringList{QStringLiteral("Pestaña General0"), QStringLiteral("Pestaña Último sorteo1"),
                          QStringLiteral("Pestaña Gestor de peñas2"), QStringLiteral("Pestaña Estadísticas3"),
                          QStringLiteral("Pestaña Crear Combinación4")}));
    hijo<QAction>(w, "gene")->trigger();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F10);
    EXPECT_EQ(w.menuBar()->activeAction(), w.menuBar()->actions().value(0));
    w.menuBar()->actions().value(0)->menu()->close();

    w.atajos()->image1(0)->setFocus();
    QStringList orden;
    for (int i = 0; i < 18; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        orden << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(orden,
              (QStringList{"Image1_1", "Image1_2", "Image1_3", "Image1_4", "qt_tabwidget_tabbar", "Picture2",
                           "Command6", "Picture1", "Label5", "HScroll1", "Check1", "Check2", "Command1_0",
                           "Command1_1", "Combo2", "Image5", "ListView2", "Image1_0"}));
    w.resultados()->listView(0)->setFocus();
    QTest::keyClick(w.resultados()->listView(0), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w.resultados()->image5());

    QStringList roles;
    for (const char* n : {"Image1_0", "Image1_4", "Picture2", "Picture1", "Label5", "Image5"})
        roles << QString::number(accesible(hijo<QWidget>(w, n))->role()) +
                     accesible(hijo<QWidget>(w, n))->text(QAccessible::Name).left(7);
    EXPECT_EQ(roles,
              (QStringList{"43Elimina", "43Añade t", "43Bajar S", "43Aprieta", "30Aprieta", "43Imprime"}));
    // The list switched away and the pages not on view are not there for a screen reader.
    EXPECT_EQ(std::tuple(accesible(w.resultados())->indexOfChild(accesible(w.resultados()->listView(1))),
                         accesible(w.resultados())->indexOfChild(accesible(w.resultados()->listView(0))) >= 0,
                         accesible(w.sstab1()->widget(2))->childCount()),
              std::tuple(-1, true, 0));
    for (const char* n : {"ProgressBar1", "ProgressBar2"})
        EXPECT_FALSE(accesible(hijo<QWidget>(w, n))->text(QAccessible::Name).isEmpty()) << n;
    for (int i = 1; i < 5; ++i) // each shortcut its own picture
        EXPECT_NE(w.atajos()->image1(i)->pixmap().toImage(), w.atajos()->image1(i - 1)->pixmap().toImage())
            << i;
    EXPECT_EQ(w.atajos()->image1(4)->toolTip(),
              QStringLiteral("Añade todos los sorteos desde la creación de la Primitiva!!"));
    QTest::keyClick(w.atajos()->image1(3), Qt::Key_Space);
    ASSERT_NE(w.ventana(QStringLiteral("Imprimir")), nullptr);
    w.descargarVentana(QStringLiteral("Imprimir"));
    dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::No;
    QTest::keyClick(w.atajos()->image1(0), Qt::Key_Return);
    QTest::keyClick(w.atajos()->image1(4), Qt::Key_Enter);
    ASSERT_EQ(dialogs.boxes.size(), 2);
    EXPECT_EQ(dialogs.boxes.at(0).title, QStringLiteral("Borrar..."));
    EXPECT_EQ(dialogs.fileDialogs.value(0).section(u'|', 0, 0),
              QStringLiteral("Seleccione el archivo NUMEROS.DAT"));
}

// Secondary windows and dialogs fit the screen's free area, centred over the main window;
// Escape closes them but the editor; the notice window keeps the top-left corner and stays
// over the main window only; a failure to store prizes is told once, not at every return.
TEST_F(Marco, WindowsFitTheScreenAndEscapeClosesThem) {
    std::optional<LimiteEscritura> limite(std::in_place, 100); // the peña record cannot be written
    Principal& w = cargada();
    w.Form_Activate();
    w.Form_Activate();
    limite.reset();
    // The prizes and the report database, once each.
    EXPECT_EQ(cajas(QStringLiteral("Error de escritura")), 2);
    w.show();
    QTRY_COMPARE(w.activaciones(), 3);
    const QRect zona = w.screen()->availableGeometry();
    // 25 twips from the left, 50 from the top; the peña count beside its caption, the update under it.
    GeneralTab* g = w.general();
    EXPECT_EQ((std::tuple{w.frameGeometry().topLeft(), g->label9(2)->y(), g->label9(1)->x()}),
              (std::tuple{zona.topLeft() + QPoint(2, 3), g->label9(0)->y(), g->label9(0)->x()}));
    // The editor coming forward brings the newest draws back from 21.
    g->hScroll1()->setMaximum(21);
    g->hScroll1()->setValue(21);
    w.gestor()->Command7_Click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.ventana(QStringLiteral("Crea"))));
    EXPECT_EQ(g->hScroll1()->value(), 1);
    delete w.ventana(QStringLiteral("Crea"));
    QDialog dialogo(&w);
    dialogo.resize(300, 3000);
    dialogo.show();
    QTRY_VERIFY(zona.contains(dialogo.frameGeometry()));
    EXPECT_LE(std::abs(dialogo.geometry().center().x() - w.geometry().center().x()), 10);
    dialogo.close();
    QPointer<QWidget> editor = abrir(w, "Crea");
    ASSERT_TRUE(editor && QTest::qWaitForWindowActive(editor));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(editor && editor->isVisible());
    delete editor;
    // A click on the main window while a secondary window is active: the main window hears of
    // its activation, and the click's action raises a box before the toolkit's active window
    // changes. The box shows over the secondary window but belongs to the main window, so the
    // activation, run while the box is open, closes the secondary window and not the box.
    // The activation the editor's closing asked for runs first: it would close the settings window.
    QCoreApplication::processEvents();
    modaldialog::setOwner(&w);
    QtDialogs cajas;
    const std::function<void()> abreCaja[] = {
        [&] { cajas.message(QStringLiteral("x"), QString(), Dialogs::Icon::None, Dialogs::Buttons::Ok); },
        [&] { cajas.openFile(QString(), dir.path(), QString(), QString()); }};
    for (const auto& abre : abreCaja) {
        QPointer<QWidget> pequena = new QWidget;
        pequena->setObjectName(QStringLiteral("Configurar"));
        pequena->resize(200, 100);
        w.mostrarVentana(pequena);
        EXPECT_LE((pequena->geometry().center() - w.geometry().center()).manhattanLength(), 30);
        ASSERT_TRUE(pequena && QTest::qWaitForWindowActive(pequena));
        pequena->move(zona.topLeft() + QPoint(220, 160)); // away from the main window's centre
        const QPoint centro = pequena->geometry().center();
        QWidget* padre = nullptr;
        bool encima = false;
        QTimer::singleShot(0, [&] {
            QPointer<QWidget> caja = QApplication::activeModalWidget();
            encima = (caja->geometry().center() - centro).manhattanLength() <= 30 &&
                     caja->windowHandle()->transientParent() == pequena->windowHandle();
            for (int i = 0; i < 200 && pequena; ++i)
                QTest::qWait(5);
            if (caja)
                padre = caja->parentWidget(), caja->close();
        });
        emit qApp->focusWindowChanged(w.windowHandle());
        abre();
        EXPECT_EQ(std::tuple(pequena.isNull(), padre, encima),
                  std::tuple(true, static_cast<QWidget*>(&w), true));
        QTest::qWait(20); // the return to the main window settles before the next window opens
    }
    // A report window has its own Escape, and the main window adds no second one to it.
    for (QPointer<QWidget> v : {QPointer<QWidget>(abrir(w, "Configurar")),
                                QPointer<QWidget>(new InformeVentana(s, QString(), QStringLiteral("x")))}) {
        w.mostrarVentana(v);
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        QTest::keyClick(v, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(v.isNull());
    }

    w.Command6_Click();
    QWidget* aviso = w.ventana(QStringLiteral("Infor"));
    ASSERT_NE(aviso, nullptr);
    EXPECT_EQ((std::tuple{aviso->pos(), aviso->parentWidget(),
                          aviso->windowHandle()->transientParent() == w.windowHandle(),
                          aviso->windowFlags().testFlag(Qt::WindowStaysOnTopHint), accesible(aviso)->role()}),
              (std::tuple{zona.topLeft(), static_cast<QWidget*>(&w), true, false, QAccessible::Dialog}));
    delete aviso;
}
