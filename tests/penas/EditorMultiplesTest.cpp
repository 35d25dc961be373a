#include "Entorno.h"
#include "penas/EditorPena.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

// Each multiple code takes one bet of its count of numbers, stored in ascending order under
// 500 + the code, with nothing in the slots after them.
TEST(EditorPena, EveryMultipleCodeTakesOneBetOfItsNumbers) {
    const int numerosDe[] = {7, 8, 5, 9, 10, 11}; // by code 1..6
    for (int codigo = 1; codigo <= 6; ++codigo) {
        const int numeros = numerosDe[codigo - 1];
        Entorno e;
        e.s.codMultiple = codigo;
        EditorPena ed(e.s);
        ed.Form_Load();
        EXPECT_EQ(ed.label4(), QStringLiteral("INTRODUZCA EL NOMBRE Y %1 NÚMEROS:").arg(numeros));
        std::vector<int16_t> marcados;
        for (int i = 0; i < numeros; ++i)
            marcados.push_back(static_cast<int16_t>(49 - 4 * i));
        for (int16_t n : marcados)
            ed.Image1_Click(n - 1);
        ed.Image1_Click(2); // one number more than the bet takes
        EXPECT_EQ(e.textos(), QStringList{QStringLiteral("¡¡ Oficialmente sólo se admite una combinación por "
                                                         "boleto cuando juegas a múltiples !! ")});
        ed.Text1_Change(QStringLiteral("MULTI"));
        ed.setOpcionDias(3);
        ed.Command1_Click();
        ASSERT_EQ(e.s.files.apuestas.count(), 1) << codigo;
        const RegPena p = e.s.files.apuestas.get<RegPena>(1);
        EXPECT_EQ(std::tuple(p.numApuestas, p.dias.trimmed()),
                  std::tuple(500 + codigo, QStringLiteral("Jueves y Sábado")));
        std::sort(marcados.begin(), marcados.end());
        EXPECT_EQ(std::vector<int16_t>(p.apuestas[0].begin(), p.apuestas[0].begin() + numeros), marcados)
            << codigo;
        EXPECT_EQ(p.apuestas[0][static_cast<size_t>(numeros)], 0) << codigo;
    }
}
