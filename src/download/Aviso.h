#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class HttpClient;
struct Session;

// The notice page of the program's own web host: fetched at start-up when the newest viewed
// draw is at least three days old, compared with the copy on disk, and shown when it
// changed. The page may name a new web host ("web:" + host + ">"), which is then stored in
// the settings.
class Aviso {
  public:
    static constexpr qint64 kMinimoNuevo = 300;    // a shorter page is never shown by the check
    static constexpr qint64 kMaximo = 1024 * 1024; // a bigger reply counts as a failed fetch
    static constexpr int kDiasEntreAvisos = 3;

    Aviso(Session& s, HttpClient& http) : m_s(s), m_http(http) {}

    // Opens the notice window.
    std::function<void()> mostrarInfor;

    void miraaviso();
    void bajaaviso();
    void comparaaviso();

    // The page before and after the fetch.
    const QByteArray& text6() const { return m_text6; }
    const QByteArray& text2() const { return m_text2; }

    // Whether a "web:" value may become the web host: only characters that keep an address
    // whole (letters, digits, "-._~:/%").
    static bool hostValido(const QString& host);

  private:
    QString ruta() const;
    QByteArray leer() const;

    Session& m_s;
    HttpClient& m_http;
    QByteArray m_text6;
    QByteArray m_text2;
};
