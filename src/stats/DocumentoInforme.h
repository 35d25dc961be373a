#pragma once

#include <QTextDocument>

struct FalloEscritura;

// A filled report laid out for the screen, the printer and PDF. It loads nothing the HTML
// names (pictures, style sheets): a report shows only what the database gave it.
class DocumentoInforme : public QTextDocument {
    Q_OBJECT
  public:
    explicit DocumentoInforme(const QString& html, QObject* parent = nullptr);

    // Writes A4 pages to a PDF file, replacing it whole or not at all; on failure the file
    // is left as it was and `fallo` tells why.
    bool guardaPdf(const QString& ruta, FalloEscritura& fallo);

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
};
