#include "download/Aviso.h"

#include "core/OleDate.h"
#include "core/Session.h"
#include "download/EnlacesWeb.h"
#include "download/Scanner.h"
#include "platform/Clock.h"
#include "platform/HttpClient.h"

#include <QFile>
#include <QSaveFile>

QString Aviso::ruta() const {
    return m_s.ruta(QStringLiteral("informe.dat"));
}

QByteArray Aviso::leer() const {
    QFile f(ruta());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(kMaximo + 1);
}

void Aviso::miraaviso() {
    const double fecha = m_s.sorteo.fecha;
    if (fecha == 0 || oledate::days(fecha) == 0)
        return;
    if (oledate::fromQDate(m_s.clock.today()) < fecha + kDiasEntreAvisos)
        return;
    QFile f(ruta());
    f.open(QIODevice::ReadWrite); // creates an empty page when there is none
    f.close();
    bajaaviso();
}

void Aviso::bajaaviso() {
    m_s.files.apuestas.read(1);
    if (m_s.files.apuestas.eof())
        return;
    const QString direccion = enlaces::aviso(m_s.cfg);
    m_text6 = leer();
    // The page on disk is replaced only by a whole reply, so a failed fetch keeps the old one.
    const HttpReply r = m_http.get(direccion);
    if (r.completed && r.status == 200 && r.body.size() <= kMaximo) {
        QSaveFile out(ruta());
        if (out.open(QIODevice::WriteOnly) && out.write(r.body) == r.body.size())
            out.commit();
    }
    m_text2 = leer();
    comparaaviso();
}

bool Aviso::hostValido(const QString& host) {
    for (const QChar c : host) {
        const char16_t u = c.unicode();
        const bool ascii = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
        if (!ascii && !QStringView(u"-._~:/%").contains(c))
            return false;
    }
    return true;
}

void Aviso::comparaaviso() {
    if (m_text2.size() <= kMinimoNuevo || m_text2.size() == m_text6.size())
        return;
    QString host;
    QFile f(ruta());
    if (f.open(QIODevice::ReadOnly)) {
        try {
            host = busca3(f, QStringLiteral("web:"), QStringLiteral(">"));
        } catch (const scan::EndOfFile&) {
            host.clear();
        }
        f.close();
    }
    host = host.left(Config::kWebhost);
    if (!host.trimmed().isEmpty() && host.trimmed() != m_s.cfg.webhost.trimmed() && hostValido(host)) {
        m_s.cfg.webhost = host;
        m_s.files.numsIni.put(1, m_s.cfg);
    }
    if (mostrarInfor)
        mostrarInfor();
}
