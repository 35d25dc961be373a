#include "core/Session.h"
#include "stats/gui/AsistenteCombinacion.h"
#include "stats/gui/InformeVentana.h"
#include "stats/Ranking.h"
#include "support/SesionPrueba.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>
#include <gtest/gtest.h>
TEST(Scratch, Grab) {
    SesionPrueba e(QDate(2026, 12, 5));
    e.dir.conTablas(); e.dir.conBase();
    e.s.rutaApp = e.dir.rutaApp();
    QFile::copy(QStringLiteral(VELMORAT_DIST_DIR "/Velmorat.net"), e.dir.ruta("Velmorat.net"));
    QWidget pagina; auto* l = new QVBoxLayout(&pagina);
    auto* f6 = new QGroupBox("Paso 2", &pagina); auto* f7 = new QGroupBox("Paso 3", &pagina);
    f6->setLayout(new QVBoxLayout); f7->setLayout(new QVBoxLayout); l->addWidget(f6); l->addWidget(f7);
    QList<QWidget*> ws;
    VentanasPenas v; v.mostrar = [&](QWidget* w) { ws.append(w); };
    AsistenteCombinacion a(e.s, v, f6, f7);
    a.enlaces.sorteossel = [] { return 5; };
    a.enlaces.veces = [] { ranking::Veces x{}; for (int i = 0; i < 49; ++i) x[i] = (i * 17) % 23; return x; };
    a.alEntrarPestana();
    a.slider2()->setValue(10);
    a.combo1()->setCurrentIndex(2); a.Combo1_Click(2);
    pagina.resize(1000, 500); pagina.show(); QApplication::processEvents();
    pagina.grab().save("/tmp/paso3.png");
    a.Image2_Click();
    ASSERT_EQ(ws.size(), 1);
    ws[0]->show(); QApplication::processEvents();
    ws[0]->grab().save("/tmp/informe.png");
}
