#include "stats/DocumentoInforme.h"

#include "core/FileReplace.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

DocumentoInforme::DocumentoInforme(const QString& html, QObject* parent) : QTextDocument(parent) {
    setHtml(html);
}

QVariant DocumentoInforme::loadResource(int, const QUrl&) {
    return {};
}

bool DocumentoInforme::guardaPdf(const QString& ruta, FalloEscritura& fallo) {
    QBuffer paginas;
    paginas.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&paginas);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(metaInformation(QTextDocument::DocumentTitle));
        print(&pdf);
    }
    const QByteArray bytes = paginas.data();
    if (bytes.isEmpty()) {
        fallo = {ruta, 0, QStringLiteral("no se pudieron componer las páginas")};
        return false;
    }
    return filereplace::reemplaza(ruta, bytes, fallo);
}
