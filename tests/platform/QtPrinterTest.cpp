#include "platform/gui/QtPrinter.h"
#include "support/RecordingPrinter.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(QtPrinter, WritesLinesAndPagesToPdf) {
    TestFolder dir;
    const QString pdf = dir.ruta(QStringLiteral("listado.pdf"));
    auto printer = QtPrinter::toPdf(pdf);
    ASSERT_TRUE(printer->begin());
    EXPECT_NEAR(printer->scaleWidth(), 210, 1);
    EXPECT_NEAR(printer->scaleHeight(), 297, 1);
    printer->setFontName(QStringLiteral("Arial"));
    printer->setFontSize(12);
    printer->setCurrentY(20);
    printer->setCurrentX(15);
    printer->printLine(QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS"));
    EXPECT_DOUBLE_EQ(printer->currentX(), 0);
    EXPECT_GT(printer->currentY(), 20 + 3);
    // Lines that no longer fit go on a new page at its top.
    for (int i = 0; i < 80; ++i)
        printer->printLine(QStringLiteral("Línea %1").arg(i));
    ASSERT_TRUE(printer->endDoc());

    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS")));
    EXPECT_TRUE(text.contains(QStringLiteral("Línea 79")));
    EXPECT_GE(text.count(QChar(u'\f')), 1); // pdftotext separates pages with form feeds
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
