#include "stats/DocumentoInforme.h"

#include "core/FileReplace.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryFile>

DocumentoInforme::DocumentoInforme(const QString& html, QObject* parent) : QTextDocument(parent) {
    setHtml(html);
}

QVariant DocumentoInforme::loadResource(int, const QUrl&) {
    return {};
}

bool DocumentoInforme::guardaPdf(const QString& ruta, QString& motivo) {
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
        motivo = QStringLiteral("no se pudieron componer las páginas");
        return false;
    }

    QTemporaryFile temporal(QFileInfo(ruta).absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temporal.open()) {
        motivo = temporal.errorString();
        return false;
    }
    if (temporal.write(bytes) != bytes.size() || !temporal.flush()) {
        motivo = temporal.errorString();
        return false;
    }
    temporal.close();
    // A new file gets the usual permissions, a replaced one keeps its own.
    const QFileInfo destino(ruta);
    temporal.setPermissions(destino.exists()
                                ? destino.permissions()
                                : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!filereplace::moveOver(temporal.fileName(), ruta)) {
        motivo = QStringLiteral("no se pudo reemplazar el archivo");
        return false;
    }
    temporal.setAutoRemove(false); // renamed over the target: nothing left to remove
    return true;
}
