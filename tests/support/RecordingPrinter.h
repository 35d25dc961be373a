#pragma once

#include "platform/PrintService.h"
#include "platform/Printer.h"

#include <QList>
#include <QString>
#include <memory>

// A printer for tests: records every text, line, box and picture with its page, position
// and font. Text metrics are fixed: a line is fontSize * 0.5 mm high, each character
// fontSize * 0.2 mm wide, so positions can be computed by hand.
class RecordingPrinter final : public Printer {
  public:
    enum class Kind { Text, Line, Box, FilledBox, Picture };
    struct Op {
        Kind kind;
        int page;
        double x, y, x2, y2;
        QString text;
        QString fontName;
        double fontSize;
        bool bold;
        bool underline;
        QColor color;
    };

    explicit RecordingPrinter(double widthMm = 210, double heightMm = 297) : m_w(widthMm), m_h(heightMm) {}

    bool begin() override {
        began = true;
        return beginResult;
    }
    bool endDoc() override {
        ended = true;
        return true;
    }
    void killDoc() override { killed = true; }
    int fromPage() const override { return desde; }
    int toPage() const override { return hasta; }
    double scaleWidth() const override { return m_w; }
    double scaleHeight() const override { return m_h; }
    double textHeight(const QString&) const override { return fontSize() * 0.5; }
    double textWidth(const QString& t) const override { return fontSize() * 0.2 * t.size(); }
    void line(double x1, double y1, double x2, double y2, const QColor& c) override {
        add(Kind::Line, x1, y1, x2, y2, {}, c);
    }
    void box(double x1, double y1, double x2, double y2, const QColor& c) override {
        add(Kind::Box, x1, y1, x2, y2, {}, c);
    }
    void filledBox(double x1, double y1, double x2, double y2, const QColor& c) override {
        add(Kind::FilledBox, x1, y1, x2, y2, {}, c);
    }
    void picture(const QImage&, double x, double y, double w, double h) override {
        add(Kind::Picture, x, y, x + w, y + h, {}, Qt::black);
    }

    // The texts printed, in order.
    QStringList texts() const {
        QStringList out;
        for (const Op& o : ops)
            if (o.kind == Kind::Text)
                out << o.text;
        return out;
    }

    // The texts printed, each as "page x y size text", the size followed by "_" when
    // underlined; positions in millimetres.
    QStringList lineas() const {
        QStringList out;
        for (const Op& o : ops)
            if (o.kind == Kind::Text)
                out << QStringLiteral("%1 %2 %3 %4%5 %6")
                           .arg(o.page)
                           .arg(o.x)
                           .arg(o.y)
                           .arg(o.fontSize)
                           .arg(o.underline ? QStringLiteral("_") : QString(), o.text);
        return out;
    }

    QList<Op> ops;
    int page = 1;
    int desde = 0, hasta = 0; // the page range chosen in the dialog
    bool began = false, ended = false, killed = false, beginResult = true;

  protected:
    void startNewPage() override { ++page; }
    void drawText(double x, double y, const QString& t) override {
        add(Kind::Text, x, y, x, y, t, Qt::black);
    }

  private:
    void add(Kind k, double x, double y, double x2, double y2, const QString& t, const QColor& c) {
        ops.append({k, page, x, y, x2, y2, t, fontName(), fontSize(), fontBold(), fontUnderline(), c});
    }
    double m_w, m_h;
};

// A printer dialog for tests: hands out a recording printer, or cancels.
class FakePrintService final : public PrintService {
  public:
    std::shared_ptr<Printer> showPrinter(int paginas) override {
        ++shown;
        ofrecidas = paginas;
        if (cancel)
            return nullptr;
        last = std::make_shared<RecordingPrinter>();
        last->desde = desde;
        last->hasta = hasta;
        return last;
    }
    bool cancel = false;
    int shown = 0;
    int ofrecidas = 0;                      // the pages the dialog offered
    int desde = 0, hasta = 0;               // the page range the user chooses
    std::shared_ptr<RecordingPrinter> last; // the printer of the last job
};
