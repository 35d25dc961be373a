#include "platform/Printer.h"

void Printer::printLine(const QString& text) {
    const double h = textHeight(text.isEmpty() ? QStringLiteral(" ") : text);
    // A line taller than a page goes where it is: another page would not hold it either.
    if (m_y + h > pageBottom() && m_y > m_top) {
        const double x = m_x;
        newPage();
        m_x = x;
    }
    drawText(m_x, m_y, text);
    m_x = 0;
    m_y += h;
}

void Printer::newPage() {
    startNewPage();
    m_x = 0;
    m_y = m_top;
}
