#include "core/Resumen.h"
#include "core/OleDate.h"
#include "support/SesionPrueba.h"

#include <gtest/gtest.h>

namespace {

struct Resumenes : ::testing::Test, SesionConDatos {
    Resumenes() : SesionConDatos(QDate(2026, 12, 1)) {} // a Tuesday

    // Appended behind the session's back: the summary finds the newest draw itself.
    void sorteo(QDate d) {
        s.files.numeros.put(s.files.numeros.count() + 1, registroSorteo(oledate::fromQDate(d)));
    }
    void pena(const QString& dias, QDate creada, int apuestas = 1) {
        const RegPena p = registroPena(QStringLiteral("P"), dias, oledate::fromQDate(creada), {}, apuestas);
        s.files.apuestas.put(s.files.apuestas.count() + 1, p);
    }
};

} // namespace

TEST_F(Resumenes, EmptyFiles) {
    const ResumenVista v = resumen(s);
    EXPECT_EQ(
        (std::tuple{s.sigSorteo, s.sorteosjugados, s.sorteo, v.hayDatos, v.barraHabilitada, v.recordatorio}),
        (std::tuple{1, 0, RegSorteo(), false, false, true}));
    EXPECT_EQ((QStringList{v.ultimaActualizacion, v.recordatorioTexto, v.proximoSorteo, v.faltan}),
              (QStringList{"Fichero de datos vacío.", "No se ha actualizado nunca",
                           "Jueves, 3 de diciembre del 2026", "Faltan 2 días"}));
}

TEST_F(Resumenes, NewestDrawDatesAndScrollRange) {
    sorteo(QDate(2026, 11, 26));
    const ResumenVista v = resumen(s);
    EXPECT_EQ((std::tuple{s.sigSorteo, oledate::toQDate(s.sorteo.fecha), v.ultimaActualizacion, v.hayDatos,
                          v.barraHabilitada, v.barraMaximo, v.recordatorio}),
              (std::tuple{2, QDate(2026, 11, 26), QStringLiteral("Jueves, 26 de noviembre del 2026"), true,
                          true, 1, false}));

    sorteo(QDate(2026, 11, 28));
    sorteo(QDate(2026, 11, 30));
    resumen(s);
    EXPECT_EQ((std::tuple{s.sigSorteo, oledate::toQDate(s.sorteo.fecha)}),
              (std::tuple{4, QDate(2026, 11, 30)}));
}

TEST_F(Resumenes, NextDrawOnMondayDependsOnWhetherItsDrawIsStored) {
    clock.set(QDate(2026, 11, 30)); // a Monday
    sorteo(QDate(2026, 11, 28));
    ResumenVista v = resumen(s);
    EXPECT_EQ(v.faltan, QStringLiteral("¡Hoy sorteo!"));
    sorteo(QDate(2026, 11, 30));
    v = resumen(s);
    EXPECT_EQ((QStringList{v.proximoSorteo, v.faltan}),
              (QStringList{"Jueves, 3 de diciembre del 2026", "Faltan 3 días"}));
    clock.set(QDate(2026, 12, 4)); // a Friday: one day to Saturday, still "días"
    EXPECT_EQ(resumen(s).faltan, QStringLiteral("Faltan 1 días"));
}

TEST_F(Resumenes, UpdateReminderThresholds) {
    sorteo(QDate(2026, 11, 1));
    const QDate ultimo(2026, 11, 1);
    const std::pair<int, QString> casos[] = {{7, QString()},
                                             {8, QStringLiteral("Falta 1 semana por actualizar")},
                                             {15, QStringLiteral("Falta 1 semana por actualizar")},
                                             {16, QStringLiteral("Faltan 2 semanas por actualizar")},
                                             {22, QStringLiteral("Faltan 3 semanas por actualizar")}};
    for (const auto& [dias, texto] : casos) {
        clock.set(ultimo.addDays(dias));
        const ResumenVista v = resumen(s);
        EXPECT_EQ((std::tuple{v.recordatorio, v.recordatorioTexto}), (std::tuple{!texto.isEmpty(), texto}))
            << dias;
    }
}

TEST_F(Resumenes, DrawsPlayedCountOncePerDrawFromEachPenasCreation) {
    // Mondays 23 and 30 November, Thursday 26, Saturday 28.
    for (int dia : {23, 26, 28, 30})
        sorteo(QDate(2026, 11, dia));
    // Peñas added one by one, and the draws played by all of them so far.
    const struct {
        const char* dias;
        QDate creada;
        int jugados;
        int apuestas = 1;
    } penas[] = {{"Todos (L+J+S)", QDate(2026, 1, 1), 0, 206}, // a damaged record plays none
                 {"Lunes", QDate(2026, 11, 24), 1},            // a Tuesday: only the Monday the 30th
                 {"Todos (L+J+S)", QDate(2026, 11, 26), 3},    // the 30th concerns both and counts once
                 {"Jueves y Sábado", QDate(2026, 1, 1), 3},
                 {"Lunes", QDate(2026, 1, 1), 4}};
    for (const auto& p : penas) {
        pena(QString::fromUtf8(p.dias), p.creada, p.apuestas);
        resumen(s);
        EXPECT_EQ(s.sorteosjugados, p.jugados) << p.dias;
    }
}

TEST_F(Resumenes, DamagedFilesAreReadSafely) {
    sorteo(QDate(2026, 11, 26));
    // A whole damaged draw record, a partial one and a peña whose fields are garbage: the
    // newest draw is still the real one, and new draws still go after the file's end.
    s.files.numeros.close();
    {
        QFile f(dir.ruta(QStringLiteral("numeros.dat")));
        f.open(QIODevice::Append);
        f.write(QByteArray(32 + 20, '\xFF'));
    }
    s.files.numeros.open(dir.ruta(QStringLiteral("numeros.dat")));
    s.files.apuestas.write(1, QByteArray(8307, '\xFF'));
    const ResumenVista v = resumen(s);
    EXPECT_EQ((std::tuple{s.sigSorteo, oledate::toQDate(s.sorteo.fecha), v.ultimaActualizacion}),
              (std::tuple{3, QDate(2026, 11, 26), QStringLiteral("Jueves, 26 de noviembre del 2026")}));
}
