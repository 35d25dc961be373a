#pragma once

#include "penas/gui/VentanasPenas.h"

#include <QWidget>
#include <functional>

class DocumentoInforme;
class QPrinter;
class QTextBrowser;
struct Session;

// The window of a filled report: it shows the report and prints it through the printer
// dialog or saves it as a PDF file.
class InformeVentana : public QWidget {
    Q_OBJECT
  public:
    InformeVentana(Session& s, const QString& html, const QString& titulo, QWidget* parent = nullptr);

    // Runs report definition `indice` (0 "Velmorat.net", 1 "Velmorat1.net") of the program
    // folder on the report database and shows it; a failure gives the report message.
    static void Image2_Click(Session& s, int indice, const VentanasPenas& ventanas);

    // Puts the peña report icon (Image2 1, in a frame "Informe") in place of the picture of
    // that name on the peñas page; returns the icon, null when the page has no such picture.
    static QWidget* instalaIconoPena(QWidget* pagina, Session& s, const VentanasPenas& ventanas);

    void imprimir();
    void guardarPdf();
    DocumentoInforme* documento() const { return m_documento; }

    // The printer dialog (true when the user chose a printer) and the file dialog for the
    // PDF (an empty name when cancelled); tests put their own answers here.
    std::function<bool(QPrinter&)> elegirImpresora;
    std::function<QString()> elegirPdf;

  private:
    Session& m_s;
    DocumentoInforme* m_documento;
    QTextBrowser* m_vista;
};
