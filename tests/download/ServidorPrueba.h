#pragma once

#include <QString>
#include <QStringList>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

// A web server on the loopback interface for one test: fixed replies by path, every
// request recorded. Unknown paths answer 404.
class ServidorPrueba {
  public:
    struct Respuesta {
        int status = 200;
        std::string tipo = "application/json;charset=UTF-8";
        std::string cuerpo;
        int esperaMs = 0; // the reply waits this long, or until the server closes
    };

    ServidorPrueba();
    ~ServidorPrueba();

    void responder(const std::string& ruta, Respuesta r);
    // Answers `ruta` with a redirect of `status` to `destino`.
    void redirigir(const std::string& ruta, int status, const std::string& destino);
    QString base() const; // "http://127.0.0.1:<port>"
    // Each request as its decoded path, then "?" and its parameters "k=v" joined by "&".
    QStringList peticiones() const;

  private:
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::condition_variable m_cierre;
    bool m_cerrando = false;
    std::map<std::string, Respuesta> m_respuestas;
    std::map<std::string, std::string> m_destinos;
    QStringList m_peticiones;
};

// A loopback port where nothing listens, held bound (never listening) for the life of the
// object so that no one else can take it meanwhile: connections to it are refused.
struct PuertoCerrado {
    PuertoCerrado();
    ~PuertoCerrado();
    PuertoCerrado(const PuertoCerrado&) = delete;
    QString base() const; // "http://127.0.0.1:<port>"
    int fd, puerto = 0;
};
