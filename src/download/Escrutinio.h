#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

class HttpClient;
class PdfAvailability;
class UrlOpener;
struct Session;

// The "Último sorteo" tab: the prize amounts of the last draw read from the download file,
// and its official report (vek.pdf in the program folder) or a message in its place.
// The view mirrors these values whenever `cambiado` is emitted, and shows the report when
// `mostrarInforme` is emitted; a report it cannot show is reported back through
// WebBrowser1_NavigateError.
class Escrutinio : public QObject {
    Q_OBJECT
  public:
    Escrutinio(Session& s, HttpClient& http, PdfAvailability& pdf, UrlOpener& urls,
               QObject* parent = nullptr);

    // inicio 1: show the kept report; 0: fetch the report first (after a download).
    void leeescrutinio(int16_t inicio);
    void bajapdf(const QString& url);
    void verinforme();
    void Text1_Click();
    void WebBrowser1_NavigateError();

    // The error text of a failed import.
    void setText1(const QString& texto);

    QString label8() const { return m_label8; }
    QString label10(int k) const { return m_label10.at(size_t(k)); }
    QString text1() const { return m_text1; }
    bool text1Visible() const { return !m_informeVisible; }
    bool informeVisible() const { return m_informeVisible; }
    QString urlinforme() const { return m_urlinforme; }
    QString rutaInforme() const;

    bool bajando = false;
    int sinlector = 0;

    static QString tituloInforme(double fecha);
    static bool rutaSegura(const QString& ruta);

  signals:
    void cambiado();
    void mostrarInforme(const QString& rutaPdf);

  private:
    QString atencion() const;
    double fechaDeLaTabla(qint64 posTabla) const;

    Session& m_s;
    HttpClient& m_http;
    PdfAvailability& m_pdf;
    UrlOpener& m_urls;
    QString m_label8;
    std::array<QString, 6> m_label10{};
    QString m_text1;
    bool m_informeVisible = false;
    QString m_urlinforme;
    bool m_descargaFallida = false;
};
