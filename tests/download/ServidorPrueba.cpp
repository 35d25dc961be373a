#include "ServidorPrueba.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

ServidorPrueba::ServidorPrueba() : m_server(std::make_unique<httplib::Server>()) {
    m_server->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
        std::optional<Respuesta> r;
        std::string destino;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            QStringList params;
            for (const auto& [k, v] : req.params)
                params << QString::fromStdString(k + "=" + v);
            m_peticiones << QString::fromStdString(req.path) +
                                (params.isEmpty() ? QString() : "?" + params.join('&'));
            if (const auto it = m_respuestas.find(req.path); it != m_respuestas.end())
                r = it->second;
            if (const auto d = m_destinos.find(req.path); d != m_destinos.end())
                destino = d->second;
        }
        if (!r) {
            res.status = 404;
            res.set_content("<html><body>Not here</body></html>", "text/html");
            return;
        }
        if (r->esperaMs > 0) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_cierre.wait_for(lock, std::chrono::milliseconds(r->esperaMs), [this] { return m_cerrando; });
        }
        res.status = r->status;
        if (!destino.empty())
            res.set_header("Location", destino);
        res.set_content(r->cuerpo, r->tipo.c_str());
    });
    m_port = m_server->bind_to_any_port("127.0.0.1");
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    while (!m_server->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

ServidorPrueba::~ServidorPrueba() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cerrando = true;
    }
    m_cierre.notify_all();
    m_server->stop();
    m_thread.join();
}

void ServidorPrueba::responder(const std::string& ruta, Respuesta r) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_respuestas[ruta] = std::move(r);
}

void ServidorPrueba::redirigir(const std::string& ruta, int status, const std::string& destino) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_respuestas[ruta] = {status, "text/html", "<html>Moved</html>", 0};
    m_destinos[ruta] = destino;
}

QString ServidorPrueba::base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QStringList ServidorPrueba::peticiones() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_peticiones;
}

PuertoCerrado::PuertoCerrado() : fd(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t n = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &n);
    puerto = ntohs(a.sin_port);
}

PuertoCerrado::~PuertoCerrado() {
    ::close(fd);
}

QString PuertoCerrado::base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(puerto);
}
