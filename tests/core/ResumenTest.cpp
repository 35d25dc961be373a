#include "core/Resumen.h"
#include "core/OleDate.h"
#include "core/Session.h"
#include "platform/Clock.h"
#include "support/FakeDialogs.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

struct Resumenes : ::testing::Test {
    FakeDialogs dialogs;
    FixedClock clock{QDate(2026, 12, 1)}; // a Tuesday
    Session s{dialogs, clock};
    TestFolder dir;

    Resumenes() {
        s.rutaApp = dir.rutaApp();
        s.files.abrir(s.rutaApp);
    }
    ~Resumenes() override { s.files.cerrarTodos(); }

    void sorteo(QDate d) {
        RegSorteo r;
        r.bolas = {1, 2, 3, 4, 5, 6, 7, 8};
        r.fecha = oledate::fromQDate(d);
        r.numJoker = 1234567;
        s.files.numeros.put(s.files.numeros.count() + 1, r);
    }
    void pena(const QString& dias, QDate creada) {
        RegPena p;
        p.nombre = QStringLiteral("P");
        p.dias = dias;
        p.numApuestas = 1;
        p.fecha = oledate::fromQDate(creada);
        s.files.apuestas.put(s.files.apuestas.count() + 1, p);
    }
};

} // namespace

TEST_F(Resumenes, EmptyFiles) {
    const ResumenVista v = resumen(s);
    EXPECT_EQ(s.sigSorteo, 1);
    EXPECT_EQ(s.sorteosjugados, 0);
    EXPECT_EQ(s.sorteo, RegSorteo());
    EXPECT_EQ(v.ultimaActualizacion, QStringLiteral("Fichero de datos vacío."));
    EXPECT_FALSE(v.hayDatos);
    EXPECT_FALSE(v.barraHabilitada);
    EXPECT_TRUE(v.recordatorio);
    EXPECT_EQ(v.recordatorioTexto, QStringLiteral("No se ha actualizado nunca"));
    EXPECT_EQ(v.proximoSorteo, QStringLiteral("Jueves, 3 de diciembre del 2026"));
    EXPECT_EQ(v.faltan, QStringLiteral("Faltan 2 días"));
}

TEST_F(Resumenes, NewestDrawDatesAndScrollRange) {
    sorteo(QDate(2026, 11, 26));
    const ResumenVista v = resumen(s);
    EXPECT_EQ(s.sigSorteo, 2);
    EXPECT_EQ(oledate::toQDate(s.sorteo.fecha), QDate(2026, 11, 26));
    EXPECT_EQ(v.ultimaActualizacion, QStringLiteral("Jueves, 26 de noviembre del 2026"));
    EXPECT_TRUE(v.hayDatos);
    EXPECT_TRUE(v.barraHabilitada);
    EXPECT_EQ(v.barraMaximo, 1);
    EXPECT_FALSE(v.recordatorio);

    sorteo(QDate(2026, 11, 28));
    sorteo(QDate(2026, 11, 30));
    resumen(s);
    EXPECT_EQ(s.sigSorteo, 4);
    EXPECT_EQ(oledate::toQDate(s.sorteo.fecha), QDate(2026, 11, 30));
}

TEST_F(Resumenes, NextDrawOnMondayDependsOnWhetherItsDrawIsStored) {
    clock.set(QDate(2026, 11, 30)); // a Monday
    sorteo(QDate(2026, 11, 28));
    ResumenVista v = resumen(s);
    EXPECT_EQ(v.faltan, QStringLiteral("¡Hoy sorteo!"));
    sorteo(QDate(2026, 11, 30));
    v = resumen(s);
    EXPECT_EQ(v.proximoSorteo, QStringLiteral("Jueves, 3 de diciembre del 2026"));
    EXPECT_EQ(v.faltan, QStringLiteral("Faltan 3 días"));
    clock.set(QDate(2026, 12, 4)); // a Friday: one day to Saturday, still "días"
    EXPECT_EQ(resumen(s).faltan, QStringLiteral("Faltan 1 días"));
}

TEST_F(Resumenes, UpdateReminderThresholds) {
    sorteo(QDate(2026, 11, 1));
    const QDate ultimo(2026, 11, 1);
    const std::pair<int, QString> casos[] = {
        {7, QString()},
        {8, QStringLiteral("Falta 1 semana por actualizar")},
        {15, QStringLiteral("Falta 1 semana por actualizar")},
        {16, QStringLiteral("Faltan 2 semanas por actualizar")},
        {22, QStringLiteral("Faltan 3 semanas por actualizar")},
    };
    for (const auto& [dias, texto] : casos) {
        clock.set(ultimo.addDays(dias));
        const ResumenVista v = resumen(s);
        EXPECT_EQ(v.recordatorio, !texto.isEmpty()) << dias;
        EXPECT_EQ(v.recordatorioTexto, texto) << dias;
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
    } penas[] = {{"Lunes", QDate(2026, 11, 24), 1},         // a Tuesday: only the Monday the 30th
                 {"Todos (L+J+S)", QDate(2026, 11, 26), 3}, // the 30th concerns both and counts once
                 {"Jueves y Sábado", QDate(2026, 1, 1), 3},
                 {"Lunes", QDate(2026, 1, 1), 4}};
    for (const auto& p : penas) {
        pena(QString::fromUtf8(p.dias), p.creada);
        resumen(s);
        EXPECT_EQ(s.sorteosjugados, p.jugados) << p.dias;
    }
}

TEST_F(Resumenes, DamagedFilesAreReadSafely) {
    sorteo(QDate(2026, 11, 26));
    // A partial draw record and a peña whose fields are garbage.
    s.files.numeros.close();
    {
        QFile f(dir.ruta(QStringLiteral("numeros.dat")));
        f.open(QIODevice::Append);
        f.write(QByteArray(20, '\xFF'));
    }
    s.files.numeros.open(dir.ruta(QStringLiteral("numeros.dat")));
    s.files.apuestas.write(1, QByteArray(8307, '\xFF'));
    const ResumenVista v = resumen(s);
    EXPECT_EQ(s.sigSorteo, 2);
    EXPECT_EQ(oledate::toQDate(s.sorteo.fecha), QDate(2026, 11, 26));
    EXPECT_TRUE(v.hayDatos);
}
