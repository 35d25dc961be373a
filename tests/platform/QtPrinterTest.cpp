#include "platform/gui/QtPrinter.h"
#include "support/RecordingPrinter.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The printer's own margins of a PDF: 10 points all round.
constexpr double kMargenPt = 10;
constexpr double kMargen = kMargenPt * 25.4 / 72;

struct Pagina {
    QSizeF tamano;
    QList<QRectF> palabras;
    QStringList textos;
};

// The pages of a PDF with the box of every word, in points, as pdftotext reads them.
QList<Pagina> palabras(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QXmlStreamReader xml(p.readAllStandardOutput());
    QList<Pagina> out;
    const auto num = [&](const char* a) { return xml.attributes().value(QLatin1String(a)).toDouble(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            out.append({QSizeF(num("width"), num("height")), {}, {}});
        } else if (xml.name() == QLatin1String("word") && !out.isEmpty()) {
            const QRectF r(QPointF(num("xMin"), num("yMin")), QPointF(num("xMax"), num("yMax")));
            out.last().palabras.append(r);
            out.last().textos.append(xml.readElementText());
        }
    }
    return out;
}

} // namespace

// Every word of every page lies inside the printer's margins, and a later page starts where
// the first one did: at the corner of the printable area.
TEST(QtPrinter, PagesStayInsideThePrintableArea) {
    TestFolder dir;
    const QString pdf = dir.ruta(QStringLiteral("listado.pdf"));
    auto printer = QtPrinter::toPdf(pdf);
    ASSERT_TRUE(printer->begin());
    EXPECT_NEAR(printer->scaleWidth(), 210 - 2 * kMargen, 0.5);
    EXPECT_NEAR(printer->scaleHeight(), 297 - 2 * kMargen, 0.5);
    QImage logo(400, 100, QImage::Format_RGB32);
    logo.fill(Qt::black);
    printer->picture(logo, 0, 0, 80, 20);
    printer->setFontSize(12);
    printer->setCurrentY(40);
    printer->printLine(QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS"));
    for (int i = 0; i < 120; ++i)
        printer->printLine(QStringLiteral("Línea%1").arg(i));
    ASSERT_TRUE(printer->endDoc());

    const QList<Pagina> paginas = palabras(pdf);
    ASSERT_GE(paginas.size(), 3);
    for (const Pagina& p : paginas) {
        ASSERT_FALSE(p.palabras.isEmpty());
        for (const QRectF& w : p.palabras) {
            EXPECT_GE(w.left(), kMargenPt - 0.5);
            EXPECT_GE(w.top(), kMargenPt - 0.5);
            EXPECT_LE(w.right(), p.tamano.width() - kMargenPt + 0.5);
            EXPECT_LE(w.bottom(), p.tamano.height() - kMargenPt + 0.5);
        }
    }
    EXPECT_NEAR(paginas.at(1).palabras.first().top(), kMargenPt, 2);
    EXPECT_NEAR(paginas.at(1).palabras.first().left(), kMargenPt, 2);
    // Nothing lost: the last line is there.
    EXPECT_TRUE(paginas.last().textos.contains(QStringLiteral("Línea119")));
}

TEST(QtPrinter, CancelledJobLeavesNoDocument) {
    TestFolder dir;
    const QString pdf = dir.ruta(QStringLiteral("cancelado.pdf"));
    auto printer = QtPrinter::toPdf(pdf);
    ASSERT_TRUE(printer->begin());
    printer->printLine(QStringLiteral("nada"));
    printer->killDoc();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(RecordingPrinter, NewPageWhenALineDoesNotFit) {
    RecordingPrinter p(210, 20); // 12 pt lines are 6 mm: three fit on a 20 mm page
    p.setFontSize(12);
    for (int i = 0; i < 4; ++i)
        p.printLine(QString::number(i));
    ASSERT_EQ(p.ops.size(), 4);
    EXPECT_EQ(p.ops[2].page, 1);
    EXPECT_DOUBLE_EQ(p.ops[2].y, 12);
    EXPECT_EQ(p.ops[3].page, 2);
    EXPECT_DOUBLE_EQ(p.ops[3].y, 0);
}
