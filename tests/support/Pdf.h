#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// A PDF as pdftotext reads it: its words with their page (from 1) and box in points, or its
// text (with -layout when asked), pages ending in a form feed.
struct PalabraPdf {
    int pagina;
    QRectF caja;
    QString texto;
};
QList<PalabraPdf> palabrasPdf(const QString& pdf);
QString textoPdf(const QString& pdf, bool layout = false);
