#include "platform/gui/QtPrinter.h"

#include "platform/gui/ModalDialog.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrintDialog>

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {
    // Coordinates start at the corner of the printable area, as on a physical printer: the
    // painter's origin lies there, and nothing is drawn into the margins it cannot print.
    m_printer->setFullPage(false);
}

std::unique_ptr<QtPrinter> QtPrinter::toPdf(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return std::make_unique<QtPrinter>(std::move(printer));
}

QtPrinter::~QtPrinter() {
    if (m_painter.isActive())
        m_painter.end();
}

bool QtPrinter::begin() {
    setCurrentX(0);
    setCurrentY(0);
    return m_painter.begin(m_printer.get());
}

bool QtPrinter::endDoc() { return m_painter.isActive() && m_painter.end(); }

void QtPrinter::killDoc() {
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
    // A file target keeps nothing of a cancelled job.
    if (!m_printer->outputFileName().isEmpty())
        QFile::remove(m_printer->outputFileName());
}

void QtPrinter::startNewPage() {
    if (m_painter.isActive())
        m_printer->newPage();
}

double QtPrinter::px(double v) const { return v * m_printer->resolution() / 25.4; }
double QtPrinter::mm(double v) const { return v * 25.4 / m_printer->resolution(); }

int QtPrinter::fromPage() const {
    return m_printer->printRange() == QPrinter::PageRange ? m_printer->fromPage() : 0;
}
int QtPrinter::toPage() const {
    return m_printer->printRange() == QPrinter::PageRange ? m_printer->toPage() : 0;
}

double QtPrinter::scaleWidth() const {
    return m_printer->pageLayout().paintRect(QPageLayout::Millimeter).width();
}
double QtPrinter::scaleHeight() const {
    return m_printer->pageLayout().paintRect(QPageLayout::Millimeter).height();
}

QFont QtPrinter::currentFont() const {
    QFont f(fontName());
    f.setPointSizeF(fontSize() > 0 ? fontSize() : 10);
    f.setBold(fontBold());
    f.setUnderline(fontUnderline());
    return f;
}

double QtPrinter::textHeight(const QString&) const { return mm(QFontMetricsF(currentFont(), m_printer.get()).height()); }

double QtPrinter::textWidth(const QString& text) const {
    return mm(QFontMetricsF(currentFont(), m_printer.get()).horizontalAdvance(text));
}

void QtPrinter::drawText(double x, double y, const QString& text) {
    if (!m_painter.isActive())
        return;
    m_painter.setFont(currentFont());
    m_painter.setPen(Qt::black);
    const QFontMetricsF fm(currentFont(), m_printer.get());
    m_painter.drawText(QPointF(px(x), px(y) + fm.ascent()), text);
}

QRectF QtPrinter::rect(double x1, double y1, double x2, double y2) const {
    return QRectF(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2))).normalized();
}

void QtPrinter::line(double x1, double y1, double x2, double y2, const QColor& color) {
    if (!m_painter.isActive())
        return;
    m_painter.setPen(QPen(color, px(0.2)));
    m_painter.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
}

void QtPrinter::box(double x1, double y1, double x2, double y2, const QColor& color) {
    if (!m_painter.isActive())
        return;
    m_painter.setPen(QPen(color, px(0.2)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect(x1, y1, x2, y2));
}

void QtPrinter::filledBox(double x1, double y1, double x2, double y2, const QColor& color) {
    if (m_painter.isActive())
        m_painter.fillRect(rect(x1, y1, x2, y2), color);
}

void QtPrinter::picture(const QImage& image, double x, double y, double width, double height) {
    if (m_painter.isActive() && !image.isNull())
        m_painter.drawImage(QRectF(px(x), px(y), px(width), px(height)), image);
}

std::shared_ptr<Printer> QtPrintService::showPrinter(int paginas) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ModalDialog<QPrintDialog> dialog(printer.get(), modaldialog::owner());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, paginas > 0);
    if (paginas > 0)
        dialog.setMinMax(1, paginas);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<QtPrinter>(std::move(printer));
}
