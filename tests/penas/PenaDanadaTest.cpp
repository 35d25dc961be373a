#include "Entorno.h"
#include "penas/GestorPenas.h"
#include "penas/ImpresionBoletos.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

// A damaged record (a counter below 0) stays in the list, to be deleted, but its counters
// are left out of the sum and the percentage, and printing it tells why nothing is printed
// before any printer is chosen.
TEST(PenaDanada, ListedButLeftOutOfTotalsAndNotPrinted) {
    Entorno e;
    RegPena buena = Entorno::pena(QStringLiteral("BUENA"), 2);
    buena.acierto(7) = 7;
    RegPena rota = Entorno::pena(QStringLiteral("ROTA"), 2);
    rota.acierto(4) = -30000;
    rota.acierto(5) = 900;
    e.guarda(buena);
    e.guarda(rota);
    e.s.sorteosjugados = 70;
    GestorPenas g(e.s);
    const VistaLista v = g.cargapenas();
    EXPECT_EQ((QStringList{v.filas.value(1).nombre.trimmed(), v.label13, v.text4}),
              (QStringList{"ROTA", "7", "10% de efectividad en premios"}));
    ImpresionBoletos imp(e.s);
    FakePrintService servicio;
    e.s.penaActual = rota;
    EXPECT_FALSE(imp.imprime(servicio, ImpresionBoletos::PapelNormal, false));
    EXPECT_EQ((std::tuple{servicio.shown, e.textos()}),
              (std::tuple{0, QStringList{"El registro de esta peña está dañado y no se puede imprimir. Elimine la "
                                         "peña y vuelva a crearla."}}));
}
