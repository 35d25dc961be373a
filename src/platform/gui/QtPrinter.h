#pragma once

#include "platform/PrintService.h"
#include "platform/Printer.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

// The printer layer drawn with QPainter on a QPrinter: a real printer or a PDF file.
class QtPrinter final : public Printer {
public:
    // Prints on the given printer, taking ownership.
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    // Writes a PDF file of A4 pages.
    static std::unique_ptr<QtPrinter> toPdf(const QString& path);
    ~QtPrinter() override;

    bool begin() override;
    bool endDoc() override;
    void killDoc() override;
    int fromPage() const override;
    int toPage() const override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    double textHeight(const QString& text) const override;
    double textWidth(const QString& text) const override;
    void line(double x1, double y1, double x2, double y2, const QColor& color) override;
    void box(double x1, double y1, double x2, double y2, const QColor& color) override;
    void filledBox(double x1, double y1, double x2, double y2, const QColor& color) override;
    void picture(const QImage& image, double x, double y, double width, double height) override;

protected:
    void startNewPage() override;
    void drawText(double x, double y, const QString& text) override;

private:
    double px(double mm) const;
    double mm(double px) const;
    QFont currentFont() const;
    QRectF rect(double x1, double y1, double x2, double y2) const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
};

// The system's printer dialog, modal to the whole program and owned by the main window
// (see ModalDialog).
class QtPrintService final : public PrintService {
public:
    std::shared_ptr<Printer> showPrinter(int paginas = 0) override;
};
