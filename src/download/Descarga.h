#pragma once

#include "download/Trae.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <utility>

class Escrutinio;
class HttpClient;
struct Session;

// The main window's work around a download, reached through callbacks so that this logic
// needs no window. An unset callback is skipped.
struct DescargaEnlaces {
    std::function<bool()> avisoVisible;          // the notice window is shown
    std::function<void()> cerrarAviso;           // unload the notice window
    std::function<void()> paraparpadeo;          // stop the prize alert and clear its flag
    std::function<void(int16_t)> listasencillas; // results check over the newest n draws
    std::function<void()> limpiarSelectorPena;   // the peña selector to no selection
    std::function<void(int)> fijarSorteosAVer;   // value of the draws-to-view scroll bar
    std::function<void()> resumen;               // the General tab summary
    std::function<void(double)> estadisticas;    // statistics from a date (0: all draws)
    std::function<void()> guardaSeleccion;       // save the statistics selection
    std::function<void(int)> seleccionarPestana; // current tab of the main window
};

// "Bajar Sorteos nuevos": the request, then a one-second timer whose first tick after a
// reply stores it as www.txt, imports the new draws and runs the follow-up work. The strip
// of the main window mirrors label6, progreso, label58 and label59 on every `cambiado`.
class Descarga : public QObject {
    Q_OBJECT
  public:
    Descarga(Session& s, HttpClient& http, Escrutinio& escrutinio, QObject* parent = nullptr);

    DescargaEnlaces enlaces;

    void Picture2_Click();
    // The days of the next search of a download, given the newest stored draw `ultimo` and
    // the last day of the previous search (null for the first): normally the last 100 days.
    // After a longer break, from 30 days before `ultimo`, so that the oldest draws of the
    // reply, which the scan leaves unread, are stored already, up to 70 days after the
    // previous search, so that a reply holds fewer new draws than the scan takes.
    static std::pair<QDate, QDate> ventana(const QDate& hoy, const QDate& ultimo, const QDate& hastaAnterior);
    void Timer1_Timer();
    QTimer& timer1() { return m_timer1; }

    int fase = 0;
    int pulsos = 0;
    int nuevos = 0;
    bool errorDatos = false;
    QString respuesta; // the last reply text

    QString label6() const { return m_label6; }
    int progreso() const { return m_progreso; }
    int label58() const { return m_label58; }
    QString label59() const { return m_label59; }
    void setLabel59(const QString& t);
    int imagen() const { return m_imagen; } // picture shown on Picture2: 1 hover, 2 normal
    void setImagen(int i);

  signals:
    void cambiado();

  private:
    // One search: fetches `url` into `respuesta`, its length into label58.
    void traeBusqueda(const QString& url);
    // The last search brought a reply long enough to be read.
    bool hayRespuesta() const;
    // Tells why the last search brought no reply, unless it was told already.
    void avisaFallo();
    // The first search brought no reply: the download ends, on the fifth tick when nothing
    // was told yet.
    void sinRespuesta();
    // Stores the reply of the first search and runs the searches that follow up to today.
    // True when the search up to today was read whole.
    bool buscaHastaHoy();
    // The results check over the draws of the download.
    void muestraSorteos();
    // The follow-up work and the strip's last state.
    void terminaDescarga(bool completa);
    void avisaDatosCorruptos();
    // Imports the reply of one search. True when it was read whole and stored (or brought
    // nothing new), so that the next window may follow without a gap. `ultima`: the search
    // up to today, whose outcome the user is told.
    bool leesorteos(bool ultima);
    bool procesaRespuesta(bool ultima);
    // The next search of this download; it moves m_hasta.
    QString urlSiguiente();
    void setLabel6(const QString& t);
    void setProgreso(int v);

    Session& m_s;
    HttpClient& m_http;
    Escrutinio& m_escrutinio;
    QTimer m_timer1;
    QString m_label6;
    int m_progreso = 0;
    int m_label58 = 0;
    QString m_label59;
    int m_imagen = 2;
    int m_guardados = 0;                     // draws this download stored
    QDate m_hasta;                           // last day of the search made last
    FalloTrae m_fallo = FalloTrae::SinAviso; // of the search made last
};
