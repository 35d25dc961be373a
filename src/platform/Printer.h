#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// A printer driven the way the program's listings and tickets are laid out: millimetre
// coordinates from the top-left corner of the page's printable area (inside the printer's
// margins), a current position, one text line at a time, lines, boxes, pictures and
// explicit pages.
class Printer {
public:
    virtual ~Printer() = default;

    // Starts a job; false when no job could be started. The position is the page origin.
    virtual bool begin() = 0;
    // Ends the job: the document is sent (or written).
    virtual bool endDoc() = 0;
    // Cancels the job: nothing is printed.
    virtual void killDoc() = 0;
    // Ends the page and starts the next; the position goes to the left edge of its
    // printable area, at the top set for pages started after the first.
    void newPage();
    // Where lines begin on the pages started after the first, millimetres from the top of
    // the printable area (0 unless set); the same margin is kept free at the bottom.
    void setPageTop(double mm) { m_top = mm; }
    // How far down the printable area lines may run, in millimetres.
    double pageBottom() const { return scaleHeight() - m_top; }

    // The pages the user chose in the printer dialog, from 1; both 0 when every page is to
    // be printed. The document is laid out whole; whoever starts the pages skips the others.
    virtual int fromPage() const { return 0; }
    virtual int toPage() const { return 0; }

    // Size of the printable area in millimetres.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double mm) { m_x = mm; }
    void setCurrentY(double mm) { m_y = mm; }

    void setFontName(const QString& name) { m_fontName = name; }
    void setFontSize(double points) { m_fontSize = points; }
    void setFontBold(bool on) { m_bold = on; }
    void setFontUnderline(bool on) { m_underline = on; }
    QString fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    bool fontBold() const { return m_bold; }
    bool fontUnderline() const { return m_underline; }

    // Height and width in millimetres of a line of text in the current font.
    virtual double textHeight(const QString& text) const = 0;
    virtual double textWidth(const QString& text) const = 0;

    // Prints one line at the current position, then moves to the start of the next line
    // (x back to 0, y down by the line height). When the line does not fit on the page
    // any more, a new page is started first and the line goes at its top, at its own x.
    void printLine(const QString& text);

    virtual void line(double x1, double y1, double x2, double y2, const QColor& color = Qt::black) = 0;
    virtual void box(double x1, double y1, double x2, double y2, const QColor& color = Qt::black) = 0;
    virtual void filledBox(double x1, double y1, double x2, double y2, const QColor& color) = 0;
    virtual void picture(const QImage& image, double x, double y, double width, double height) = 0;

protected:
    virtual void startNewPage() = 0;
    // Draws text with its top-left corner at (x, y) millimetres in the current font.
    virtual void drawText(double x, double y, const QString& text) = 0;

private:
    double m_x = 0;
    double m_y = 0;
    double m_top = 0;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 10;
    bool m_bold = false;
    bool m_underline = false;
};
