#pragma once

#include <QWidget>
#include <array>

class Escrutinio;
class QLabel;
class QPdfDocument;
class QPdfView;
class QPlainTextEdit;

// The "Último sorteo" page: the title, the six prize amounts, and the report in a PDF view
// or the message box in its place.
class UltimoSorteoTab : public QWidget {
    Q_OBJECT
  public:
    explicit UltimoSorteoTab(Escrutinio& escrutinio, QWidget* parent = nullptr);

    // Entering the page while the message is shown reloads the prize data, with a notice
    // in the title meanwhile.
    void alEntrar();

    QLabel* label8() const { return m_label8; }
    QLabel* label10(int k) const { return m_label10.at(size_t(k)); }
    QPlainTextEdit* text1() const { return m_text1; }
    QPdfView* webBrowser1() const { return m_view; }
    QPdfDocument* documento() const { return m_doc; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refrescar();
    void mostrarInforme(const QString& ruta);
    void fondoLabel8(const char* color);

    Escrutinio& m_escrutinio;
    QLabel* m_label8;
    std::array<QLabel*, 6> m_label10{};
    QPlainTextEdit* m_text1;
    QPdfView* m_view;
    QPdfDocument* m_doc;
};
