#pragma once

#include <QTextDocument>

// A filled report laid out for the screen, the printer and PDF. It loads nothing the HTML
// names (pictures, style sheets): a report shows only what the database gave it.
class DocumentoInforme : public QTextDocument {
    Q_OBJECT
  public:
    explicit DocumentoInforme(const QString& html, QObject* parent = nullptr);

    // Writes A4 pages to a PDF file. The pages go to a temporary file beside it, which
    // replaces the file only once written whole; on failure the file is left as it was and
    // `motivo` receives the system's reason.
    bool guardaPdf(const QString& ruta, QString& motivo);

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
};
