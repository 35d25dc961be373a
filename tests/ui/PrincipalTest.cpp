#include "ui/Principal.h"
#include "core/OleDate.h"
#include "penas/gui/Crea.h"
#include "support/SesionPrueba.h"
#include "ui/GeneralTab.h"
#include "ui/IdiomaYFuentes.h"

#include <QPointer>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

const QString kBienvenida = QStringLiteral("Fichero de peñas vacío");

struct Ventana : ::testing::Test, SesionPrueba {
    Ventana() : SesionPrueba(QDate(2026, 12, 1)) {
        dir.conTablas();
        dir.conBase();
    }

    void guardarSorteo(QDate d) {
        RegSorteo r;
        r.bolas = {1, 2, 3, 4, 5, 6, 7, 8};
        r.fecha = oledate::fromQDate(d);
        dir.write(QStringLiteral("numeros.dat"), dir.read(QStringLiteral("numeros.dat")) + r.encode());
    }
    void guardarPena() {
        RegPena p;
        p.nombre = QStringLiteral("OFICINA");
        p.dias = QStringLiteral("Todos (L+J+S)");
        p.numApuestas = 1;
        dir.write(QStringLiteral("apuestas.dat"), p.encode());
    }
    int cajas(const QString& titulo) const {
        int n = 0;
        for (const auto& b : dialogs.boxes)
            n += b.title == titulo;
        return n;
    }
};

} // namespace

TEST_F(Ventana, LoadFillsTheSummaryAndExitClosesTheFiles) {
    guardarSorteo(QDate(2026, 11, 26));
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    GeneralTab* g = w.general();
    EXPECT_EQ(g->label9(3)->text(), QStringLiteral("Jueves, 26 de noviembre del 2026"));
    EXPECT_EQ(g->label9(5)->text(), QStringLiteral("Jueves, 3 de diciembre del 2026"));
    EXPECT_EQ(g->label9(7)->text(), QStringLiteral("Faltan 2 días"));
    EXPECT_TRUE(g->hScroll1()->isEnabled());
    EXPECT_EQ(g->hScroll1()->maximum(), 1);
    EXPECT_TRUE(g->check1()->isEnabled());
    EXPECT_FALSE(g->timer2().isActive());
    EXPECT_TRUE(dir.exists(QStringLiteral("nums.ini")));
    EXPECT_TRUE(s.files.numeros.isOpen());
    w.salir_Click();
    EXPECT_FALSE(s.files.numeros.isOpen());
    EXPECT_FALSE(s.files.apuestas.isOpen());
    EXPECT_FALSE(s.files.numsIni.isOpen());
}

TEST_F(Ventana, ReminderBlinks) {
    guardarSorteo(QDate(2026, 11, 1));
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    GeneralTab* g = w.general();
    EXPECT_TRUE(g->timer2().isActive());
    EXPECT_EQ(g->label9(6)->text(), QStringLiteral("Faltan 4 semanas por actualizar"));
    const bool antes = g->label9(6)->isHidden();
    g->Timer2_Timer();
    EXPECT_NE(g->label9(6)->isHidden(), antes);
    g->Timer2_Timer();
    EXPECT_EQ(g->label9(6)->isHidden(), antes);
}

TEST_F(Ventana, EmptyDrawsFileDisablesTheFilters) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    GeneralTab* g = w.general();
    EXPECT_EQ(g->label9(3)->text(), QStringLiteral("Fichero de datos vacío."));
    EXPECT_FALSE(g->hScroll1()->isEnabled());
    EXPECT_FALSE(g->check1()->isEnabled());
    EXPECT_FALSE(g->check2()->isEnabled());
    EXPECT_EQ(g->label9(6)->text(), QStringLiteral("No se ha actualizado nunca"));
}

TEST_F(Ventana, MissingTablesFileStopsTheLoad) {
    QFile::remove(dir.ruta(QStringLiteral("tablas.bin")));
    Principal w(s, dir.path());
    EXPECT_FALSE(w.Form_Load());
    EXPECT_EQ(cajas(QStringLiteral("¡Vaya hombre!")), 1);
    EXPECT_FALSE(dir.exists(QStringLiteral("nums.ini"))); // nothing after the check ran
}

TEST_F(Ventana, WelcomeOnlyOnceAndOnlyWithoutPenas) {
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    w.Form_Activate();
    w.Form_Activate();
    ASSERT_EQ(cajas(kBienvenida), 1);
    ASSERT_FALSE(dialogs.boxes.isEmpty());
    const auto& caja = dialogs.boxes.last();
    EXPECT_TRUE(
        caja.text.startsWith(QStringLiteral("Bienvenido a Velmorat. Vaya a la pestaña 'Crear Combinación'")));
    EXPECT_EQ(caja.icon, Dialogs::Icon::Information);

    Session otra(dialogs, clock);
    guardarPena();
    Principal w2(otra, dir.path());
    ASSERT_TRUE(w2.Form_Load());
    w2.Form_Activate();
    EXPECT_EQ(cajas(kBienvenida), 1);
}

TEST_F(Ventana, ActivationClosesSecondaryWindowsButTheNotice) {
    guardarPena();
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    QStringList nombres = {QStringLiteral("Crea"),       QStringLiteral("Creamenu"),
                           QStringLiteral("Imprimir"),   QStringLiteral("Acercade"),
                           QStringLiteral("Configurar"), QStringLiteral("Infor")};
    QList<QPointer<QWidget>> ventanas;
    for (const QString& n : nombres) {
        auto* v = new QWidget;
        v->setObjectName(n);
        w.mostrarVentana(v);
        ventanas.append(v);
    }
    s.modoEdicion = 1;
    s.delAsistente = 1;
    w.Form_Activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(ventanas[i].isNull()) << nombres[i].toStdString();
    ASSERT_FALSE(ventanas[5].isNull());
    EXPECT_TRUE(ventanas[5]->isVisible());
    EXPECT_EQ(s.modoEdicion, 0);
    EXPECT_EQ(s.delAsistente, 0);
    EXPECT_EQ(s.penasCambiadas, 0); // the edit raised it and the refresh consumed it
    delete ventanas[5];
}

TEST_F(Ventana, ComingBackFromASecondaryWindowActivates) {
    guardarPena();
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTRY_COMPARE(w.activaciones(), 1);

    auto* acerca = new QWidget;
    acerca->setObjectName(QStringLiteral("Acercade"));
    QPointer<QWidget> guard(acerca);
    w.mostrarVentana(acerca);
    ASSERT_TRUE(QTest::qWaitForWindowActive(acerca));
    w.activateWindow();
    QTRY_COMPARE(w.activaciones(), 2);
    QTRY_VERIFY(guard.isNull());

    // Closing a secondary window returns to the main window: one activation, not two.
    auto* config = new QWidget;
    config->setObjectName(QStringLiteral("Configurar"));
    w.mostrarVentana(config);
    ASSERT_TRUE(QTest::qWaitForWindowActive(config));
    config->close();
    QTRY_COMPARE(w.activaciones(), 3);
    QTest::qWait(50);
    EXPECT_EQ(w.activaciones(), 3);

    // A window that opens another and closes (the chooser opening the editor) does not
    // return the user to the main window.
    auto* creamenu = new QWidget;
    creamenu->setObjectName(QStringLiteral("Creamenu"));
    w.mostrarVentana(creamenu);
    ASSERT_TRUE(QTest::qWaitForWindowActive(creamenu));
    auto* crea = new QWidget;
    crea->setObjectName(QStringLiteral("Crea"));
    QPointer<QWidget> editor(crea);
    w.mostrarVentana(crea);
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
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
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
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(w.ventana(QStringLiteral("Crea")), editor.data());
    EXPECT_EQ(s.delAsistente, 1);
    // Once the bets are gone, the next return to the main window closes it.
    editor->editor().Command2_Click();
    w.Form_Activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(s.delAsistente, 0);
}

// The window fits a 1366×768 screen with a panel and its lists grow with it; the draws to view
// move with the keyboard; every control a user acts on on the first three pages has a name.
TEST_F(Ventana, FitsASmallScreenAnswersTheKeyboardAndNamesItsControls) {
    guardarPena();
    guardarSorteo(QDate(2026, 11, 26));
    guardarSorteo(QDate(2026, 11, 30));
    Principal w(s, dir.path());
    ASSERT_TRUE(w.Form_Load());
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
    for (int i = 0; i < 3; ++i)
        for (QWidget* c : w.sstab1()->widget(i)->findChildren<QWidget*>())
            if ((c->focusPolicy() != Qt::NoFocus || c->cursor().shape() == Qt::PointingHandCursor) &&
                !qobject_cast<QAbstractScrollArea*>(c->parentWidget()) &&
                QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).trimmed().isEmpty())
                sinNombre << c->objectName();
    EXPECT_EQ(sinNombre, QStringList());
    w.findChild<QAction*>(QStringLiteral("gene"))->trigger();
    EXPECT_EQ(w.sstab1()->currentIndex(), 0);
}

TEST(IdiomaYFuentes, StandardDialogsSpeakSpanish) {
    ASSERT_TRUE(instalarTraduccionesQt(*qApp));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
    for (QTranslator* t : qApp->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(t);
}
