#include "penas/gui/GestorTab.h"
#include "Entorno.h"
#include "penas/gui/GraficoPremios.h"

#include <QAccessible>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>

// A reload after the editor closed keeps the peña the user chose, any other shows row 1; the
// highlighted row is always the chosen one; every counter is read out after its caption; a
// peña that took part in no draw and won nothing shows a grey pie, not a green one.
TEST(GestorTab, ReloadKeepsTheChosenPenaAndCountersReadTheirCaptions) {
    Entorno e;
    e.sorteo(QDate(2026, 12, 3));
    RegPena a = Entorno::pena(QStringLiteral("PRIMERA"), 2);
    a.aciertos = {1, 2, 3, 4, 5};
    e.guarda(a);
    e.guarda(Entorno::pena(QStringLiteral("NUEVA"), 3, QStringLiteral("Lunes"), QDate(2026, 12, 4)));
    GestorTab tab(e.s, VentanasPenas{});
    tab.cargapenas();
    const auto leido = [&tab](const char* nombre) {
        return tab.findChild<QLabel*>(QString::fromLatin1(nombre))->accessibleName();
    };
    EXPECT_EQ((QStringList{leido("Label3_0"), leido("Label3_1"), leido("Label3_2"), leido("Label3_3"),
                           leido("Label3_4"), leido("Label17"), leido("Label13")}),
              (QStringList{"Aciertos de 3: 1", "Aciertos de 4: 2", "Aciertos de 5: 3", "Aciertos de 6: 4",
                           "Aciertos de 5+C: 5", "Sorteos participados: 1", "Suma aciertos peñas: 15"}));
    QAccessibleInterface* tarta = QAccessible::queryAccessibleInterface(tab.findChild<QWidget*>("MSChart3"));
    EXPECT_EQ((std::tuple{tarta->role(), tarta->childCount(), tarta->text(QAccessible::Name),
                          tarta->text(QAccessible::Description)}),
              (std::tuple{QAccessible::Chart, 0, QStringLiteral("Gráfico de aciertos de la peña"),
                          QStringLiteral("Sin premio: 0 (0,0 %); con premio: 15 (100,0 %).")}));
    auto* lista = tab.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    lista->setCurrentItem(lista->topLevelItem(1));
    tab.cargapenas(true);
    auto* grafico = tab.findChild<GraficoPremios*>(QStringLiteral("MSChart3"));
    EXPECT_EQ((std::tuple{lista->currentItem() == lista->topLevelItem(1), e.s.penaSel, leido("Label17"),
                          leido("Label3_0"), grafico->valor(1) == 0 && grafico->valor(0) > 0}),
              (std::tuple{true, 2, QStringLiteral("Sorteos participados: 0"),
                          QStringLiteral("Aciertos de 3: 0"), true}));
    tab.cargapenas();
    lista->clearSelection(); // as a Ctrl+Space would: the current row stays selected
    EXPECT_EQ(std::tuple(lista->selectedItems(), lista->currentItem(), e.s.penaSel, leido("Label3_0")),
              std::tuple(QList{lista->topLevelItem(0)}, lista->topLevelItem(0), 1,
                         QStringLiteral("Aciertos de 3: 1")));
}
