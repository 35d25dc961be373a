#include "platform/Printer.h"

void Printer::printLine(const QString& text) {
    const double h = textHeight(text.isEmpty() ? QStringLiteral(" ") : text);
    if (m_y + h > scaleHeight()) {
        newPage();
    }
    drawText(m_x, m_y, text);
    m_x = 0;
    m_y += h;
}

void Printer::newPage() {
    startNewPage();
    m_x = 0;
    m_y = 0;
}
