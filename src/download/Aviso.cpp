#include "download/Aviso.h"

#include "core/CheckedRead.h"
#include "core/OleDate.h"
#include "core/Session.h"
#include "download/EnlacesWeb.h"
#include "download/Scanner.h"
#include "platform/Clock.h"
#include "platform/HttpClient.h"

#include <QBuffer>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

QString Aviso::ruta() const {
    return m_s.ruta(QStringLiteral("informe.dat"));
}

QByteArray Aviso::leer() const {
    return checkedread::read(ruta(), kMaximo).data;
}

void Aviso::miraaviso() {
    const double fecha = m_s.sorteo.fecha;
    if (fecha == 0 || oledate::days(fecha) == 0)
        return;
    if (oledate::fromQDate(m_s.clock.today()) < fecha + kDiasEntreAvisos)
        return;
    checkedread::Result r; // creates an empty page when there is none
    if (const int fd = checkedread::openRegular(ruta(), O_RDONLY | O_CREAT, r); fd >= 0)
        ::close(fd);
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
    // The page as just read, never the file again: what is in its place now may hold a read.
    QString host;
    QBuffer f(&m_text2);
    if (f.open(QIODevice::ReadOnly)) {
        try {
            host = busca3(f, QStringLiteral("web:"), QStringLiteral(">"));
        } catch (const scan::EndOfFile&) {
            host.clear();
        }
    }
    host = host.left(Config::kWebhost);
    if (!host.trimmed().isEmpty() && host.trimmed() != m_s.cfg.webhost.trimmed() && hostValido(host)) {
        m_s.cfg.webhost = host;
        m_s.files.numsIni.put(1, m_s.cfg);
    }
    if (mostrarInfor)
        mostrarInfor();
}
