#include "Entorno.h"
#include "penas/gui/Crea.h"
#include "penas/gui/Creamenu.h"
#include "penas/gui/CrearCombinacionTab.h"
#include "penas/gui/GestorTab.h"
#include "penas/gui/GraficoPremios.h"
#include "penas/gui/Imprimir.h"

#include "penas/ComandosPena.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <tuple>

namespace {

template <typename W> W* hijo(QWidget* padre, const char* nombre) {
    W* w = padre->findChild<W*>(QString::fromLatin1(nombre));
    EXPECT_NE(w, nullptr) << nombre;
    return w;
}

// Records the windows handed to the main window.
struct Ventanas {
    QList<QPointer<QWidget>> mostradas;
    VentanasPenas contexto() {
        VentanasPenas v;
        v.mostrar = [this](QWidget* w) {
            w->setAttribute(Qt::WA_DeleteOnClose);
            mostradas.append(w);
            w->show();
        };
        v.descargar = [this](const QString& nombre) {
            for (const QPointer<QWidget>& w : std::as_const(mostradas))
                if (w && w->objectName() == nombre)
                    w->close();
        };
        v.abierta = [this](const QString& nombre) -> QWidget* {
            for (const QPointer<QWidget>& w : std::as_const(mostradas))
                if (w && w->objectName() == nombre && w->isVisible())
                    return w;
            return nullptr;
        };
        return v;
    }
    template <typename W> W* ultima() {
        for (qsizetype i = mostradas.size() - 1; i >= 0; --i)
            if (auto* w = qobject_cast<W*>(mostradas.at(i).data()))
                return w;
        return nullptr;
    }
    ~Ventanas() {
        for (const QPointer<QWidget>& w : std::as_const(mostradas))
            delete w.data();
    }
};

} // namespace

TEST(Creamenu, ListsTheTablesAndHandsTheChoiceToTheEditor) {
    Entorno e;
    e.carpeta.write(QStringLiteral("tablas.bin"),
                    "8\r\n4\r\n12\r\n" + QByteArray("010203040506\r\n").repeated(12) + "9\r\n5\r\n18\r\n" +
                        QByteArray("010203040509\r\n").repeated(18));
    Ventanas v;
    Creamenu menu(e.s, v.contexto());
    auto* combo = hijo<QComboBox>(&menu, "Combo1");
    EXPECT_TRUE(combo->isHidden());

    // A screen reader's toggle of "Reducida" is the user's click: the tables are listed.
    QAccessible::queryAccessibleInterface(hijo<QRadioButton>(&menu, "Option1_2"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(QTest::qWaitFor([combo] { return combo->isVisibleTo(combo->parentWidget()); }, 1000));
    EXPECT_EQ((std::tuple{combo->count(), combo->itemText(0), combo->itemText(1)}),
              (std::tuple{2, QStringLiteral("8 números al 4, 12 apuestas."),
                          QStringLiteral("9 números al 5, 18 apuestas.")}));
    combo->setCurrentIndex(1); // the chosen table is the list's value; its label stays its name
    QAccessibleInterface* tablas = QAccessible::queryAccessibleInterface(combo);
    EXPECT_EQ(std::tuple(tablas->text(QAccessible::Name), tablas->text(QAccessible::Value)),
              std::tuple(QStringLiteral("Apuesta a crear"), QStringLiteral("9 números al 5, 18 apuestas.")));
    menu.Combo1_Click(1);
    EXPECT_EQ(std::tuple(e.s.codMultiple, e.s.tablaElegida), std::tuple(7, 1));
    Crea* editor = v.ultima<Crea>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->editor().label4(), QStringLiteral("INTRODUZCA EL NOMBRE Y 9 NÚMEROS:"));

    menu.Option1_Click(0);
    ASSERT_EQ(combo->count(), 6);
    EXPECT_EQ(combo->itemText(2), QStringLiteral("5 números (44 apuestas)"));
    menu.Combo1_Click(2);
    EXPECT_EQ(e.s.codMultiple, 3);

    // The labels appear one per tick, 18 in all, and mean nothing to a screen reader.
    for (int i = 0; i < 20; ++i)
        menu.Timer1_Timer();
    EXPECT_EQ(std::tuple(hijo<QLabel>(&menu, "Label1_17")->isHidden(), menu.timer1().isActive()),
              std::tuple(false, false));
    QAccessibleInterface* fila =
        QAccessible::queryAccessibleInterface(hijo<QLabel>(&menu, "Label1_0")->parent());
    EXPECT_EQ(std::tuple(fila->childCount(), fila->state().invisible), std::tuple(0, 1));
    // A click on the list's text opens it.
    menu.show();
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(8, combo->height() / 2));
    EXPECT_TRUE(combo->view()->isVisible());
}

// The chooser and the wizard share one way in: an editor with unsaved bets stays the only one.
TEST(Creamenu, AnEditorThatCannotCloseKeepsItsBetsAndNoSecondIsBuilt) {
    Entorno e;
    Ventanas v;
    Crea* primero = Crea::abre(e.s, v.contexto());
    ASSERT_NE(primero, nullptr);
    EditorPena& ed = primero->editor();
    ed.Image1_Click(4);
    Creamenu menu(e.s, v.contexto());
    menu.Option1_Click(1);
    EXPECT_EQ(
        (std::tuple{v.mostradas.size(), primero->isVisible(), ed.marcado(4), e.dialogs.boxes.value(0).title,
                    e.textos().value(0).contains(QStringLiteral("no se han pasado al editor"))}),
        (std::tuple{1, true, true, QStringLiteral("Editor de peñas abierto"), true}));
    // Stored bets too; its count is its own, whatever another window sets.
    ed.Image1_Click(4);
    ed.Command3_Click();
    e.s.contApuestas = 0;
    menu.Option1_Click(1);
    ed.Command3_Click();
    EXPECT_EQ(std::tuple(v.mostradas.size(), ed.label3()), std::tuple(1, QStringLiteral("2")));
    // Once it can close, "Sencilla" replaces it and closes the chooser.
    ed.Command2_Click();
    ed.Command2_Click();
    e.s.codMultiple = 5;
    e.s.modoEdicion = e.s.delAsistente = 1; // left by an edit whose editor closed without activation
    menu.show();
    menu.Option1_Click(1);
    EXPECT_EQ((std::tuple{v.mostradas.size(), primero->isVisible(), menu.isVisible(), e.s.codMultiple,
                          v.ultima<Crea>()->editor().edicion(), e.s.delAsistente}),
              (std::tuple{2, false, false, 0, false, 0}));
}

// The editor of a stored peña, from the keyboard and the mouse: Space toggles the number
// focused, the arrows move in the grid's layout and the browser by one bet; a click on the
// browser's arrow with a wrong count gives no box while the button is held (it would swallow
// the release), one after it, and the value goes back; Escape closes under the editor's rules.
TEST(Crea, TheGridAndTheBetBrowserFromTheKeyboardAndTheMouse) {
    Entorno e;
    e.guarda(Entorno::pena(QStringLiteral("TRES"), 3));
    e.s.penaSel = 1;
    comandospena::seleccionada(e.s);
    comandospena::preparaEdicion(e.s);
    Ventanas v;
    std::unique_ptr<Crea> w(Crea::crear(e.s, v.contexto()));
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    auto* uno = hijo<QWidget>(w.get(), "Image1_0");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(uno);
    EXPECT_EQ((std::tuple{a->role(), a->text(QAccessible::Name), a->state().checked, uno->focusPolicy(),
                          hijo<QWidget>(w.get(), "Image1_48")->focusPolicy()}),
              (std::tuple{QAccessible::CheckBox, QStringLiteral("1"), 1, Qt::StrongFocus, Qt::ClickFocus}));
    uno->setFocus();
    // 1 → 2 → 12, marked; → 11 → 1, cleared; the edges hold.
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Space, Qt::Key_Up, Qt::Key_Left, Qt::Key_Space,
                      Qt::Key_Up, Qt::Key_Left})
        QTest::keyClick(w->focusWidget(), k);
    const auto apuesta = e.s.files.apuestas.get<RegPena>(1).apuestas[0];
    EXPECT_EQ((std::tuple{w->focusWidget(), apuesta[0], apuesta[1]}), (std::tuple{uno, 8, 12}));
    // Up, down, left and right from numbers at the ends of every column; the number last
    // focused is the grid's one stop in the Tab order.
    QStringList llegadas;
    for (int n : {9, 10, 19, 20, 39, 40, 41, 49})
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
            w->findChild<QWidget*>(QStringLiteral("Image1_%1").arg(n - 1))->setFocus();
            QTest::keyClick(w->focusWidget(), k);
            llegadas << w->focusWidget()->accessibleName();
        }
    EXPECT_EQ(std::tuple(llegadas.join(u' '), w->focusWidget()->focusPolicy(), uno->focusPolicy()),
              std::tuple(QStringLiteral("8 9 9 19 10 11 10 20 18 19 9 29 20 21 10 30 38 39 29 49 40 41 30 40 "
                                        "40 42 31 41 48 49 39 49"),
                         Qt::StrongFocus, Qt::ClickFocus));

    auto* barra = hijo<QScrollBar>(w.get(), "HScroll1");
    QTest::keyClick(barra, Qt::Key_Right);
    EXPECT_EQ(std::tuple(barra->focusPolicy(), barra->value(), w->editor().text2()),
              std::tuple(Qt::StrongFocus, 2, QStringLiteral("2")));
    w->editor().Image1_Click(47);
    const QPoint flecha(barra->width() - 4, barra->height() / 2);
    for (int clic = 1; clic <= 2; ++clic) {
        QTest::mousePress(barra, Qt::LeftButton, {}, flecha);
        EXPECT_EQ(std::tuple(e.dialogs.boxes.size(), barra->value()), std::tuple(clic - 1, 2));
        QTest::mouseRelease(barra, Qt::LeftButton, {}, flecha);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::tuple(e.dialogs.boxes.size(), barra->value(), w->editor().scrollValor()),
                  std::tuple(clic, 2, 2));
    }
    w->editor().Image1_Click(47);
    w->editor().Image1_Click(1);
    QTest::keyClick(barra, Qt::Key_Right);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    const QString sobran = QStringLiteral("¡¡ Sobran números !!. Por favor, completa la apuesta.");
    EXPECT_EQ(
        e.textos(),
        (QStringList{
            sobran, sobran, QStringLiteral("¡¡ Faltan números !!. Por favor, completa la apuesta."),
            QStringLiteral("¡¡ 5 números !!. Por favor, rectifica la apuesta. Ha de ser de 6 números")}));
    EXPECT_EQ(std::tuple(w->isVisible(), barra->value()), std::tuple(true, 2));
    w->editor().Image1_Click(1);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST(Crea, ClicksOnTheGridEnterABetAndGrabarSavesIt) {
    Entorno e;
    Ventanas v;
    Crea* w = Crea::crear(e.s, v.contexto());
    ASSERT_NE(w, nullptr);
    w->show();
    EXPECT_TRUE(hijo<QWidget>(w, "Command4")->isHidden() && hijo<QWidget>(w, "HScroll1")->isHidden());
    for (int n : {3, 14, 25, 36, 47, 49})
        QTest::mouseClick(hijo<QWidget>(w, QStringLiteral("Image1_%1").arg(n - 1).toLatin1().constData()),
                          Qt::LeftButton);
    auto* lista = hijo<QTreeWidget>(w, "ListView5");
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    EXPECT_EQ((QStringList{lista->topLevelItem(0)->text(0), hijo<QLabel>(w, "Label3")->text()}),
              (QStringList{QStringLiteral(" 3-14-25-36-47-49"), QStringLiteral("1")}));
    auto* nombre = hijo<QLineEdit>(w, "Text1");
    QTest::keyClicks(nombre, QStringLiteral("mi pena"));
    EXPECT_EQ(nombre->text(), QStringLiteral("MI PENA"));
    hijo<QRadioButton>(w, "Option4")->click();
    QTest::mouseClick(hijo<QPushButton>(w, "Command1"), Qt::LeftButton);
    ASSERT_EQ(e.s.files.apuestas.count(), 1);
    const RegPena p = e.s.files.apuestas.get<RegPena>(1);
    EXPECT_EQ((std::tuple{p.nombre.trimmed(), p.dias.trimmed(), lista->topLevelItemCount(), nombre->text()}),
              (std::tuple{QStringLiteral("MI PENA"), QStringLiteral("Lunes"), 0, QString()}));
    delete w;
}

TEST(Crea, DamagedTableKeepsTheEditorClosed) {
    Entorno e;
    e.carpeta.write(QStringLiteral("tablas.bin"), "8\r\n4\r\n2\r\n010203040506\r\n010203040509\r\n");
    e.s.codMultiple = 7;
    e.s.tablaElegida = 0;
    Ventanas v;
    EXPECT_EQ(Crea::crear(e.s, v.contexto()), nullptr);
    EXPECT_EQ(e.textos(), QStringList{QStringLiteral(
                              "La tabla de reducción elegida no es válida. Reinstale el programa.")});
    EXPECT_EQ(e.s.files.apuestas.count(), 0);
}

TEST(GestorTab, ShowsTheListAndDeletesTheHighlightedPena) {
    Entorno e;
    RegPena a = Entorno::pena(QStringLiteral("PRIMERA"), 2);
    a.acierto(4) = 1;
    e.guarda(a);
    e.guarda(Entorno::pena(QStringLiteral("SEGUNDA"), 503));
    e.s.sorteosjugados = 10;
    Ventanas v;
    GestorTab tab(e.s, v.contexto());
    QStringList combo;
    int resumenes = 0, refrescos = 0;
    tab.alLlenarCombo2 = [&](const QStringList& l) { combo = l; };
    tab.resumen = [&] {
        ++resumenes;
        tab.cargapenas();
    };
    tab.refrescarResultados = [&] { ++refrescos; };
    tab.cargapenas();
    auto* lista = hijo<QTreeWidget>(&tab, "ListView1");
    ASSERT_EQ(lista->topLevelItemCount(), 2);
    EXPECT_EQ((QStringList{lista->topLevelItem(1)->text(1), lista->topLevelItem(0)->text(2),
                           hijo<QLineEdit>(&tab, "Text4")->text(), hijo<QLabel>(&tab, "Label3_1")->text()}),
              (QStringList{QStringLiteral("44"), QStringLiteral("01/01/2026"),
                           QStringLiteral("10% de efectividad en premios"), QStringLiteral("1")}));
    EXPECT_EQ(std::tuple(combo.size(), hijo<GraficoPremios>(&tab, "MSChart2")->valor(0)), std::tuple(3, 9));

    // Moving with the keyboard selects as a click does: the detail and the deletion follow.
    QTest::keyClick(lista, Qt::Key_Down);
    EXPECT_EQ((std::tuple{e.s.penaSel, hijo<QLabel>(&tab, "Label28")->text(),
                          hijo<QLabel>(&tab, "Label37")->text()}),
              (std::tuple{2, QStringLiteral("-Apuesta múltiple de 5 nºs."), QStringLiteral("132 euros.")}));
    tab.Command3_Click();
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    EXPECT_EQ((std::tuple{resumenes, refrescos, lista->topLevelItem(0)->text(0).trimmed(), e.s.sigPena}),
              (std::tuple{1, 1, QStringLiteral("PRIMERA"), 2}));

    // The last one, highlighted after the reload, goes too: the empty list.
    tab.Command3_Click();
    EXPECT_EQ(lista->topLevelItem(0)->text(0), QStringLiteral("VACÍO"));
    EXPECT_FALSE(hijo<QPushButton>(&tab, "Command7")->isEnabled());
    EXPECT_EQ(combo, QStringList{QStringLiteral("No hay Peñas creadas")});
}

TEST(GestorTab, MissingDatabaseEndsTheProgramAfterItsMessage) {
    Entorno e;
    QFile::remove(e.carpeta.ruta(QStringLiteral("Velmorat.mdb")));
    e.guarda(Entorno::pena(QStringLiteral("PRIMERA"), 3)); // its detail is shown once
    Ventanas v;
    GestorTab tab(e.s, v.contexto());
    bool salida = false;
    tab.salir = [&] { salida = true; };
    tab.cargapenas();
    EXPECT_EQ((std::tuple{e.dialogs.boxes.size(), e.dialogs.boxes.value(0).title, salida}),
              (std::tuple{1, QStringLiteral("¡Vaya hombre!"), true}));
}

TEST(CrearCombinacionTab, AutomaticShowsTheWizardFramesAndLeavingRestoresTheIntro) {
    Entorno e;
    Ventanas v;
    CrearCombinacionTab tab(e.s, v.contexto());
    tab.show();
    tab.Command9_Click();
    EXPECT_EQ((std::tuple{hijo<QPushButton>(&tab, "Command4")->isHidden(),
                          hijo<QLabel>(&tab, "Label56")->isHidden(), tab.frame12()->isVisible(),
                          tab.frame7()->title()}),
              (std::tuple{true, true, true, QStringLiteral("Paso 3")}));
    tab.restauraIntroduccion();
    EXPECT_EQ(std::tuple(hijo<QPushButton>(&tab, "Command9")->isHidden(), tab.frame6()->isVisible()),
              std::tuple(false, false));

    e.s.contApuestas = 4;
    tab.Command4_Click();
    EXPECT_EQ(e.s.contApuestas, 0);
    ASSERT_NE(v.ultima<Creamenu>(), nullptr);
}

TEST(GestorTab, EditAndPrintOpenTheirWindowsOnTheHighlightedPena) {
    Entorno e;
    e.guarda(Entorno::pena(QStringLiteral("PRIMERA"), 3));
    Ventanas v;
    GestorTab tab(e.s, v.contexto());
    tab.cargapenas();
    tab.Command2_Click();
    ASSERT_NE(v.ultima<Imprimir>(), nullptr);
    EXPECT_EQ(hijo<QLabel>(v.ultima<Imprimir>(), "Label2_1")->text(), QStringLiteral("1"));
    tab.Command7_Click();
    Crea* editor = v.ultima<Crea>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(
        (std::tuple{hijo<QWidget>(editor, "Command4")->isHidden(),
                    hijo<QWidget>(editor, "Command1")->isHidden(), hijo<QLineEdit>(editor, "Text1")->text()}),
        (std::tuple{false, true, QStringLiteral("PRIMERA")}));
    hijo<QRadioButton>(editor, "Option2")->click();
    EXPECT_EQ(e.s.files.apuestas.get<RegPena>(1).dias.trimmed(), QStringLiteral("Sábado"));
}

TEST(Crea, LongBetsStayReadable) {
    Entorno e;
    e.carpeta.write(QStringLiteral("tablas.bin"), "20\r\n5\r\n1\r\n010203040506\r\n");
    e.s.codMultiple = 7;
    Ventanas v;
    std::unique_ptr<Crea> w(Crea::crear(e.s, v.contexto()));
    ASSERT_NE(w, nullptr);
    w->show();
    for (int n = 30; n < 50; ++n)
        w->editor().Image1_Click(n - 1);
    auto* lista = hijo<QTreeWidget>(w.get(), "ListView5");
    ASSERT_EQ(lista->topLevelItemCount(), 1);
    const QString texto = lista->topLevelItem(0)->text(0);
    EXPECT_GE(lista->columnWidth(0), QFontMetrics(lista->font()).horizontalAdvance(texto));
}
