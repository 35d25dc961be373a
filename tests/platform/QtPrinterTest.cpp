#include "platform/gui/QtPrinter.h"
#include "support/Pdf.h"
#include "support/TestFolder.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

// A long indented listing on A4 with the PDF printer's 10-point margins: no word of any page
// comes closer to an edge, and a line carried to a later page starts where the first did.
TEST(QtPrinter, PagesStayInsideThePrintableAreaAndACancelledJobLeavesNoDocument) {
    TestFolder dir;
    const QString pdf = dir.ruta(QStringLiteral("listado.pdf"));
    auto printer = QtPrinter::toPdf(pdf);
    ASSERT_TRUE(printer->begin());
    printer->setFontSize(12);
    for (int i = 0; i < 120; ++i) {
        printer->setCurrentX(20);
        printer->printLine(QStringLiteral("Línea%1").arg(i));
    }
    ASSERT_TRUE(printer->endDoc());
    const QList<PalabraPdf> p = palabrasPdf(pdf);
    ASSERT_EQ(p.size(), 120);
    const QRectF dentro = QRectF(0, 0, 595.3, 841.9).adjusted(9.5, 9.5, -9.5, -9.5);
    for (const PalabraPdf& w : p)
        EXPECT_TRUE(dentro.contains(w.caja)) << w.texto.toStdString();
    ASSERT_EQ(p.last().pagina, 2);
    const auto segunda = std::find_if(p.begin(), p.end(), [](const PalabraPdf& w) { return w.pagina == 2; });
    EXPECT_LE((segunda->caja.topLeft() - p.first().caja.topLeft()).manhattanLength(), 2);

    // A cancelled job leaves no document.
    const QString cancelado = dir.ruta(QStringLiteral("cancelado.pdf"));
    auto otro = QtPrinter::toPdf(cancelado);
    ASSERT_TRUE(otro->begin());
    otro->printLine(QStringLiteral("nada"));
    otro->killDoc();
    EXPECT_FALSE(QFile::exists(cancelado));
}

// The pages chosen in the printer dialog reach the layout; "all pages" reads as no range.
TEST(QtPrinter, PageRangeOfTheDialog) {
    auto rango = std::make_unique<QPrinter>();
    rango->setPrintRange(QPrinter::PageRange);
    rango->setFromTo(2, 3);
    const QtPrinter p(std::move(rango)), todas(std::make_unique<QPrinter>());
    EXPECT_EQ(std::tuple(p.fromPage(), p.toPage(), todas.fromPage()), std::tuple(2, 3, 0));
}
