#pragma once

#include "platform/gui/Etiqueta.h"

#include <QTextBrowser>
#include <QTimer>
#include <QWidget>

class QLabel;
class UrlOpener;

// Shows a page from the network as plain rich text: nothing is fetched for it (no images,
// no style sheets, local or remote) and nothing in it runs.
class VisorAviso final : public QTextBrowser {
    Q_OBJECT
  public:
    explicit VisorAviso(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;
    // The page's text: UTF-8 when it is valid UTF-8, Windows-1252 otherwise.
    static QString texto(const QByteArray& pagina);
    // Whether a page lays out quickly enough as rich text: small, with few tags, tables nested
    // shallowly, no long run without a blank. Layout time grows steeply with each of them.
    static bool enRicoSinEspera(const QString& pagina);
    // Shows the page as rich text when that is quick, otherwise its text without the markup.
    void mostrar(const QString& pagina);
};

// "Noticias del jefe...": the notice page of the program's web host, on top of every window
// at the screen's top-left corner, with the contact address moving to and fro beneath it.
class Infor final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMinimoPagina = 10; // a page this short (or none) hides the browser

    Infor(const QString& rutaInforme, UrlOpener& urls, QWidget* parent = nullptr);

    void Timer1_Timer();
    void Label1_Click();
    void Label3_Click();

    QTextBrowser* webBrowser1() const { return m_webBrowser1; }
    QLabel* label1() const { return m_label1; }
    QTimer& timer1() { return m_timer1; }
    int paso() const { return m_paso; }

  private:
    void Form_Load(const QString& rutaInforme);
    void abrirEnlace(const QUrl& url);

    UrlOpener& m_urls;
    VisorAviso* m_webBrowser1;
    Etiqueta* m_label1;
    QTimer m_timer1;
    int m_paso = 1;
};
