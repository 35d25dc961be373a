#include "download/Escrutinio.h"

#include "core/CheckedRead.h"
#include "core/Cp1252.h"
#include "core/OleDate.h"
#include "core/Session.h"
#include "core/SharedRoutines.h"
#include "core/VbText.h"
#include "download/Scanner.h"
#include "download/Trae.h"
#include "platform/HttpClient.h"
#include "platform/PdfAvailability.h"
#include "platform/UrlOpener.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// One search of the download file; a search that runs into the end of the file counts as
// a miss and the reading goes on with the next one.
struct Lectura {
    QIODevice& f;
    QString texto;
    bool encontrado = false;

    Lectura& operator()(const QString& key, const QString& terminator) {
        texto.clear();
        encontrado = false;
        try {
            const scan::Result r = scan::find(f, cp1252::encode(key), cp1252::encode(terminator));
            texto = cp1252::decode(r.text);
            encontrado = r.found;
        } catch (const scan::EndOfFile&) {
        }
        return *this;
    }
    qint64 pos() const { return scan::position(f); }
};

} // namespace

Escrutinio::Escrutinio(Session& s, HttpClient& http, PdfAvailability& pdf, UrlOpener& urls, QObject* parent)
    : QObject(parent), m_s(s), m_http(http), m_pdf(pdf), m_urls(urls) {}

QString Escrutinio::rutaInforme() const {
    return m_s.ruta(QStringLiteral("vek.pdf"));
}

QString Escrutinio::atencion() const {
    return kCrLf + QStringLiteral("ATENCIÓN:") + kCrLf +
           QStringLiteral("Los datos del sorteo aún no están disponibles. Intente más tarde.");
}

void Escrutinio::setText1(const QString& texto) {
    m_text1 = texto;
    emit cambiado();
}

QString Escrutinio::tituloInforme(double fecha) {
    const QDate d = oledate::toQDate(fecha);
    return QStringLiteral("-Informe del ") + diasemana(fecha) + QStringLiteral(", ") + QString::number(d.day()) +
           QStringLiteral(" de ") + vbtext::nombreMes(d.month()) + QStringLiteral(" del ") +
           QString::number(d.year());
}

// The date of the draw whose prize table starts at `posTabla` (a position of the download
// file): the last "fecha_sorteo" before it. 0 when there is none.
double Escrutinio::fechaDeLaTabla(qint64 posTabla) const {
    QFile& www = m_s.files.www;
    www.seek(0);
    const QByteArray antes = www.read(std::max<qint64>(posTabla, 0)).toLower();
    const qsizetype clave = antes.lastIndexOf("fecha_sorteo");
    if (clave < 0)
        return 0;
    static const QRegularExpression patron(QStringLiteral("^fecha_sorteo\\W+(\\d{4})-(\\d{2})-(\\d{2})"));
    const auto m = patron.match(QString::fromLatin1(antes.mid(clave, 40)));
    return m.hasMatch() ? oledate::fromYmd(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt())
                        : 0;
}

// The report address is the operator's host and a path from the reply; anything that could
// lead elsewhere (user part, backslashes, blanks, control characters) is refused.
bool Escrutinio::rutaSegura(const QString& ruta) {
    if (!ruta.startsWith(u'/'))
        return false;
    for (const QChar c : ruta)
        if (c == u'@' || c == u'\\' || c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

void Escrutinio::leeescrutinio(int16_t inicio) {
    m_informeVisible = false;
    m_urlinforme.clear();
    // Without prize data the title stays that of the amounts shown; before any, the newest draw's.
    if (m_label8.isEmpty() && m_s.sorteo.fecha > 0)
        m_label8 = tituloInforme(m_s.sorteo.fecha);

    QFile& www = m_s.files.www;
    QString direccion;
    if (www.isOpen()) {
        Lectura leer{www, {}, false};
        // The prize table is there when its two keys stand close together.
        scan::setPosition(www, 1);
        const bool escru = leer(QStringLiteral("escru"), QStringLiteral("\"")).encontrado;
        qint64 p1 = leer.pos();
        const bool cate = leer(QStringLiteral("cate"), QStringLiteral("\"")).encontrado;
        qint64 d = leer.pos() - p1;
        if (escru && cate && d > 0 && d < 300) {
            // The amounts belong to the draw of the first prize table, which is not always
            // the newest draw of the reply.
            if (const double f = fechaDeLaTabla(p1))
                m_label8 = tituloInforme(f);
            scan::setPosition(www, 1);
            for (size_t k = 0; k < 6; ++k) {
                leer(QStringLiteral("categoria"), QStringLiteral(":\""));
                m_label10[k] = raros(leer(QStringLiteral("\"\""), QStringLiteral("\"")).texto);
            }
            scan::setPosition(www, 1);
            const bool documentos = leer(QStringLiteral("documentos"), QStringLiteral(":")).encontrado;
            p1 = leer.pos();
            const bool url = leer(QStringLiteral("urlContenido"), QStringLiteral(":")).encontrado;
            d = leer.pos() - p1;
            if (documentos && url && d < 300)
                direccion = leer(QStringLiteral("\"\""), QStringLiteral("\"")).texto;
        }
    }

    if (!direccion.isEmpty())
        direccion.replace(QStringLiteral("\\u00c1"), QStringLiteral("Á"));
    if (!rutaSegura(direccion))
        direccion.clear();
    if (!direccion.isEmpty()) {
        m_urlinforme = QStringLiteral("http://") + QLatin1String(kHostOperador) + direccion;
        emit cambiado();
        if (inicio == 0)
            bajapdf(m_urlinforme);
        verinforme();
    } else {
        m_text1 = atencion();
        emit cambiado();
    }
}

void Escrutinio::bajapdf(const QString& url) {
    bajando = true;
    m_descargaFallida = !m_http.download(url, rutaInforme());
}

void Escrutinio::verinforme() {
    const QByteArray cabecera = checkedread::head(rutaInforme(), 4);
    if ((scan::upper(cabecera) != "%PDF" || m_urlinforme.isEmpty()) && !bajando) {
        m_text1 = atencion();
        emit cambiado();
        return;
    }
    if (m_pdf.canShowPdf()) {
        // A report that could not be fetched in this run cannot be shown for this address.
        if (m_descargaFallida) {
            WebBrowser1_NavigateError();
            return;
        }
        m_informeVisible = true;
        emit cambiado();
        emit mostrarInforme(rutaInforme());
        return;
    }
    m_text1 =
        kCrLf + QStringLiteral("OPCIÓN NO DISPONIBLE") + kCrLf + kCrLf +
        QStringLiteral("Su ordenador no tiene instalado Adobe Reader para la lectura de archivos PDF.") +
        kCrLf + QStringLiteral("Si quiere instalarlo y disfrutar de esta opción, vaya a la web ") +
        QLatin1String(kPaginaLectorPdf) + kCrLf + QStringLiteral("(O haga click AQUÍ para instalarlo)") +
        kCrLf + kCrLf +
        QStringLiteral(
            "Es totalmente gratuito. Una vez instalado, ejecútelo y acepte el contrato de licencia. "
            "Después ya podrá utilizar Velmorat con esta opción activada.");
    sinlector = 1;
    emit cambiado();
}

void Escrutinio::Text1_Click() {
    if (sinlector == 1)
        m_urls.open(QLatin1String(kPaginaLectorPdf));
}

void Escrutinio::WebBrowser1_NavigateError() {
    m_informeVisible = false;
    m_text1 = QStringLiteral("No se encuentra conexión a internet.... :(");
    emit cambiado();
}
