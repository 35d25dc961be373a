#pragma once

#include <QString>
#include <QStringList>
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
        int esperaMs = 0; // delay before answering
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
    std::map<std::string, Respuesta> m_respuestas;
    std::map<std::string, std::string> m_destinos;
    QStringList m_peticiones;
};

// A loopback port where nothing listens.
int puertoCerrado();
