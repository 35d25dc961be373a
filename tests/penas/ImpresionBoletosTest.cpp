#include "penas/ImpresionBoletos.h"
#include "Entorno.h"
#include "penas/gui/Imprimir.h"
#include "platform/gui/QtPrinter.h"
#include "support/Pdf.h"
#include "support/RecordingPrinter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using Op = RecordingPrinter::Op;
using Kind = RecordingPrinter::Kind;

struct Impresion {
    Entorno e;
    ImpresionBoletos imp{e.s};
    FakePrintService servicio;

    explicit Impresion(const RegPena& p) {
        e.s.penaActual = p;
        e.s.files.numsIni.open(e.s.ruta(QStringLiteral("nums.ini")));
    }
    // Prints through the window: its Joker box, the button of the paper.
    QList<Op> imprime(ImpresionBoletos::Modo modo, bool joker = false) {
        Imprimir w(e.s);
        w.usarImpresora(&servicio);
        w.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(joker);
        w.findChild<QPushButton*>(modo == ImpresionBoletos::PapelOficial ? "Command1" : "Command2")->click();
        EXPECT_TRUE(servicio.last && servicio.last->ended);
        return servicio.last ? servicio.last->ops : QList<Op>{};
    }
    qsizetype equis() const { return servicio.last->texts().count(QStringLiteral("X")); }
};

bool hay(const QList<Op>& ops, Kind k, int page, double x, double y) {
    for (const Op& o : ops)
        if (o.kind == k && o.page == page && std::abs(o.x - x) < 1e-4 && std::abs(o.y - y) < 1e-4)
            return true;
    return false;
}

// Every text but the marks, as "page x y size text".
QStringList rotulos(const RecordingPrinter& p) {
    QStringList out = p.lineas();
    out.removeIf([](const QString& l) { return l.endsWith(QStringLiteral(" X")); });
    return out;
}

} // namespace

TEST(ImpresionBoletos, PlainPaperDrawsTwoTicketsAPage) {
    RegPena p = Entorno::pena(QStringLiteral("  DIECISIETE "), 17, QStringLiteral("Lunes"));
    p.apuestas[16] = {1, 10, 49, 0, 55, -2};
    Impresion t(p);
    const QList<Op> ops = t.imprime(ImpresionBoletos::PapelNormal, true);
    // Bet 17 keeps only its numbers in 1..49.
    ASSERT_EQ(std::tuple(t.servicio.ofrecidas, t.servicio.last->page, t.equis()),
              std::tuple(2, 2, 16 * 6 + 3 + 3));
    // Bet 1 (1, 8, ...) in block 1 of ticket 1; bet 9 (number 9) in block 1 of ticket 2, 104 mm
    // lower; bet 17's 49 on page 2.
    EXPECT_TRUE(hay(ops, Kind::Text, 1, 25.8, 45 + 5) && hay(ops, Kind::Text, 1, 25.8, 149 + 45) &&
                hay(ops, Kind::Text, 2, 25.8 + 3.8 * 4, 45 + 45));
    // Joker: the box of 9 in block 8, 10 mm lower, on every ticket.
    EXPECT_TRUE(hay(ops, Kind::Text, 1, 160.2, 100) && hay(ops, Kind::Text, 1, 160.2, 204));
    EXPECT_TRUE(hay(ops, Kind::Box, 1, 20, 124) && hay(ops, Kind::FilledBox, 1, 174.5, 117.3));
    EXPECT_TRUE(hay(ops, Kind::FilledBox, 1, 22.5, 104 + 62)); // not Thursday and Saturday
    // Each ticket's own texts in its own half, numbered in order.
    EXPECT_EQ(rotulos(*t.servicio.last).join(u'|'),
              QStringLiteral("1 32 37 11.5 PEÑA DIECISIETE (1/3)|1 110 97 11.5 Participación para: |"
                             "1 110 102 11.5 LUNES|1 72.5 25 18 VELMORAT V.3.4.9992|"
                             "1 32 141 11.5 PEÑA DIECISIETE (2/3)|1 110 201 11.5 Participación para: |"
                             "1 110 206 11.5 LUNES|1 72.5 129 18 VELMORAT V.3.4.9992|"
                             "2 32 37 11.5 PEÑA DIECISIETE (3/3)|2 110 97 11.5 Participación para: |"
                             "2 110 102 11.5 LUNES|2 72.5 25 18 VELMORAT V.3.4.9992"));

    // A full record needs 26 tickets, the last with five bets: an even number fills its last
    // sheet and starts no other.
    Impresion lleno(Entorno::pena(QStringLiteral("D"), 205));
    lleno.imprime(ImpresionBoletos::PapelNormal);
    EXPECT_EQ(std::tuple(lleno.imp.label2(0), lleno.imp.label2(1), lleno.servicio.ofrecidas,
                         lleno.servicio.last->page, lleno.equis()),
              std::tuple(QStringLiteral("205"), QStringLiteral("26"), 13, 13, 6 * 205));
}

// The printer dialog's page range: a plain page holds two tickets, an official one one.
TEST(ImpresionBoletos, OnlyThePagesChosenInTheDialog) {
    Impresion t(Entorno::pena(QStringLiteral("R"), 17));
    t.servicio.desde = t.servicio.hasta = 2;
    QList<Op> ops = t.imprime(ImpresionBoletos::PapelNormal);
    EXPECT_EQ(rotulos(*t.servicio.last).value(0), QStringLiteral("1 32 37 11.5 PEÑA R (3/3)"));
    EXPECT_EQ(std::tuple(t.equis(), t.servicio.last->page, hay(ops, Kind::FilledBox, 1, 22.5, 86)),
              std::tuple(6, 1, true)); // every day: the day marks at 44, 56 and 86
    t.servicio.hasta = 3;
    ops = t.imprime(ImpresionBoletos::PapelOficial);
    EXPECT_EQ(t.servicio.ofrecidas, 3);
    EXPECT_EQ(rotulos(*t.servicio.last), (QStringList{"1 5 0 11.5 PEÑA R (2/3)     Velmorat v.3.4.9992",
                                                      "2 5 0 11.5 PEÑA R (3/3)     Velmorat v.3.4.9992"}));
    EXPECT_EQ(std::tuple(t.equis(), t.servicio.last->page), std::tuple(8 * 6 + 6, 2));
    EXPECT_TRUE(hay(ops, Kind::Text, 1, 0, 5 * 9)); // bet 9 (9, 16, ...) opens the first sheet
    // A range beyond the document prints no sheet; nor does a cancelled dialog, or a job
    // that does not start.
    t.servicio.desde = t.servicio.hasta = 4;
    EXPECT_FALSE(t.imp.imprime(t.servicio, ImpresionBoletos::PapelOficial, false));
    EXPECT_TRUE(t.servicio.last->killed);
    t.servicio.cancel = true;
    EXPECT_FALSE(t.imp.imprime(t.servicio, ImpresionBoletos::PapelOficial, false));
    RecordingPrinter falla;
    falla.beginResult = false;
    EXPECT_FALSE(t.imp.imprime(falla, ImpresionBoletos::PapelNormal, false));
    EXPECT_EQ(std::tuple(falla.killed, falla.ops.size()), std::tuple(true, 0));
    // A damaged record (a counter below 0), then an empty peña, says why before any printer is chosen.
    t.servicio = FakePrintService();
    t.e.s.penaActual.acierto(4) = -30000;
    EXPECT_FALSE(t.imp.imprime(t.servicio, ImpresionBoletos::PapelNormal, false));
    t.e.s.penaActual.acierto(4) = t.e.s.penaActual.numApuestas = 0;
    EXPECT_FALSE(t.imp.imprime(t.servicio, ImpresionBoletos::PapelOficial, false));
    EXPECT_EQ((std::tuple{t.servicio.shown, t.e.textos()}),
              (std::tuple{0, QStringList{"El registro de esta peña está dañado y no se puede imprimir. Elimine la "
                                         "peña y vuelva a crearla.",
                                         "Esta peña no tiene apuestas. No hay boletos que imprimir."}}));
}

TEST(ImpresionBoletos, OfficialPaperShiftsEveryMarkByTheCorrection) {
    RegPena p = Entorno::pena(QStringLiteral("OCHO"), 9);
    p.apuestas[2] = {40, 41, 42, 43, 44, 45};
    Impresion t(p);
    t.e.s.cfg.margenX = 2.5f;
    t.e.s.cfg.margenY = 9.0f;
    QList<Op> ops = t.imprime(ImpresionBoletos::PapelOficial);
    EXPECT_EQ(t.equis(), 9 * 6);
    EXPECT_TRUE(hay(ops, Kind::Text, 1, 2.5, 14));               // 1 in block 1
    EXPECT_TRUE(hay(ops, Kind::Text, 1, 2.5f + 15.2 + 38.4, 9)); // 40 in block 3
    EXPECT_EQ(rotulos(*t.servicio.last),
              (QStringList{"1 7.5 2 11.5 PEÑA OCHO (1/2)     Velmorat v.3.4.9992",
                           "2 7.5 2 11.5 PEÑA OCHO (2/2)     Velmorat v.3.4.9992"}));
    // Marks close to the top: the header stays on the page, the marks where they were.
    t.e.s.cfg.margenX = -6.0f;
    t.e.s.cfg.margenY = -1.0f;
    ops = t.imprime(ImpresionBoletos::PapelOficial);
    EXPECT_TRUE(hay(ops, Kind::Text, 1, 0, 0) && hay(ops, Kind::Text, 1, -6, 4)); // header, number 1
    EXPECT_TRUE(hay(ops, Kind::Text, 1, -6 + 15.2 + 38.4, -1));
}

// The multiple box: the box of 39, 19, 49 or 19 in block 1, 1, 2 or 3, 10 mm lower.
TEST(ImpresionBoletos, MultipleBetsMarkTheirBox) {
    for (const auto& [codigo, numeros, x] : {std::tuple{501, 7, 37.2}, std::tuple{503, 5, 29.6},
                                            std::tuple{505, 10, 60.2}, std::tuple{506, 11, 68.0}}) {
        RegPena p = Entorno::pena(QStringLiteral("M"), codigo);
        for (int k = 0; k < numeros; ++k)
            p.apuestas[0][static_cast<size_t>(k)] = static_cast<int16_t>(4 * k + 1);
        Impresion t(p);
        const QList<Op> ops = t.imprime(ImpresionBoletos::PapelNormal);
        EXPECT_EQ(std::tuple(t.imp.label2(0) + t.imp.label2(1), t.equis(), hay(ops, Kind::Text, 1, x, 100)),
                  std::tuple(QStringLiteral("11"), numeros + 1, true))
            << codigo;
    }
}

TEST(ImpresionBoletos, CorrectionBoxesWriteTheSharedSettingsAtOnce) {
    Impresion t(Entorno::pena(QStringLiteral("A"), 3));
    // A sign alone is a number being typed; "abc" or a correction off any sheet puts back
    // the stored values.
    for (const auto& [caja, texto, x, y] :
         {std::tuple{0, "2,5", "2,5", "0"}, std::tuple{1, "-", "2,5", "-"}, std::tuple{1, "-1", "2,5", "-1"},
          std::tuple{0, "abc", "2,5", "-1"}, std::tuple{0, "-500", "2,5", "-1"},
          std::tuple{1, "500", "2,5", "-1"}})
        EXPECT_EQ(t.imp.Text1_Change(caja, QString::fromUtf8(texto)),
                  (std::array<QString, 2>{QString::fromUtf8(x), QString::fromUtf8(y)}));
    EXPECT_EQ(t.e.s.files.numsIni.get<Config>(1), t.e.s.cfg);
    EXPECT_EQ(std::tuple(t.e.s.cfg.margenY, t.e.dialogs.boxes.size()), std::tuple(-1.0f, 0));
    // A box left empty gets its stored value back when the focus leaves it.
    Imprimir w(t.e.s);
    auto* y = w.findChild<QLineEdit*>(QStringLiteral("Text1_1"));
    y->setText(QString());
    QFocusEvent fuera(QEvent::FocusOut);
    QCoreApplication::sendEvent(y, &fuera);
    EXPECT_EQ(y->text(), QStringLiteral("-1"));
    const FakeDialogs::Box caja = t.e.dialogs.boxes.value(0);
    EXPECT_EQ((std::tuple{t.e.dialogs.boxes.size(), caja.title, caja.icon}),
              (std::tuple{1, QStringLiteral("EHEHEHH"), Dialogs::Icon::Critical}));
    // A correction that could not be stored is not taken: the tickets keep the stored one.
    t.e.s.files.numsIni.close();
    EXPECT_EQ(t.imp.Text1_Change(0, QStringLiteral("7")), (std::array<QString, 2>{"2,5", "-1"}));
    EXPECT_EQ(t.e.dialogs.boxes.size(), 2);
    EXPECT_TRUE(hay(t.imprime(ImpresionBoletos::PapelOficial), Kind::Text, 1, 2.5, 4));
}

// Through the real printer layer to a PDF: the marks keep their distances on the page, the
// correction moves every one of them by exactly the amount typed, and the header is never
// cut off at the top (the PDF printer's printable area starts 10 points down).
TEST(ImpresionBoletos, PdfKeepsTheMillimetreLayout) {
    RegPena p = Entorno::pena(QStringLiteral("PDF"), 2);
    p.apuestas[0] = {1, 2, 3, 4, 5, 6};
    p.apuestas[1] = {1, 2, 3, 4, 5, 6};
    Impresion t(p);
    double cabecera = -1;
    const auto marcas = [&](float mx, float my) {
        t.e.s.cfg.margenX = mx;
        t.e.s.cfg.margenY = my;
        const QString pdf = t.e.carpeta.ruta(QStringLiteral("boletos.pdf"));
        EXPECT_TRUE(t.imp.imprime(*QtPrinter::toPdf(pdf), ImpresionBoletos::PapelOficial, false));
        QList<QPointF> x;
        for (const PalabraPdf& w : palabrasPdf(pdf))
            if (w.texto == QStringLiteral("X"))
                x.append(w.caja.topLeft() * 25.4 / 72);
            else if (w.texto == QStringLiteral("PEÑA"))
                cabecera = w.caja.top();
        std::sort(x.begin(), x.end(),
                  [](QPointF a, QPointF b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
        return x;
    };
    const QList<QPointF> x = marcas(12.5f, 21);
    const QList<QPointF> cero = marcas(0, 0);
    EXPECT_GE(cabecera, 10);
    ASSERT_EQ(x.size(), 12);
    ASSERT_EQ(cero.size(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(x[i].x() - cero[i].x(), 12.5, 0.05);
        EXPECT_NEAR(x[i].y() - cero[i].y(), 21, 0.05);
        EXPECT_NEAR(x[i].y() - x[i / 6 * 6].y(), 5 * (i % 6), 0.3);
        EXPECT_NEAR(x[i].x() - x[i % 6].x(), 19.2 * (i / 6), 0.3);
    }
}
