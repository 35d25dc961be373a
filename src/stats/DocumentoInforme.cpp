#include "stats/DocumentoInforme.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

DocumentoInforme::DocumentoInforme(const QString& html, QObject* parent) : QTextDocument(parent) {
    setHtml(html);
}

QVariant DocumentoInforme::loadResource(int, const QUrl&) {
    return {};
}

bool DocumentoInforme::guardaPdf(const QString& ruta) {
    QFile prueba(ruta);
    if (!prueba.open(QIODevice::WriteOnly))
        return false;
    prueba.close();
    QPdfWriter pdf(ruta);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(metaInformation(QTextDocument::DocumentTitle));
    print(&pdf);
    return true;
}
