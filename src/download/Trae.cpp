#include "download/Trae.h"

#include "core/Cp1252.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"

#include <QStringDecoder>

namespace {

QString aaaammdd(const QDate& d) {
    return QStringLiteral("%1%2%3")
        .arg(d.year())
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'));
}

} // namespace

QString urlBusqueda(const QDate& hoy) { return urlBusqueda(hoy.addDays(-kDiasBusqueda), hoy); }

QString urlBusqueda(const QDate& desde, const QDate& hasta) {
    return QStringLiteral("https://") + QLatin1String(kHostOperador) +
           QStringLiteral("/servicios/buscadorSorteos?game_id=LAPR&celebrados=true&fechaInicioInclusiva=") +
           aaaammdd(desde) + QStringLiteral("&fechaFinInclusiva=") + aaaammdd(hasta);
}

QString textoDeCuerpo(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray type = contentType.toLower();
    const qsizetype at = type.indexOf("charset=");
    if (at >= 0) {
        QByteArray charset = type.mid(at + 8).split(';').first().trimmed();
        charset.replace('"', "");
        if (charset == "windows-1252" || charset == "iso-8859-1" || charset == "latin1" ||
            charset == "us-ascii")
            return cp1252::decode(body);
        if (charset != "utf-8" && charset != "utf8") {
            QStringDecoder other(charset.constData());
            if (other.isValid())
                return other.decode(body);
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    return utf8.decode(body.startsWith("\xEF\xBB\xBF") ? body.mid(3) : body);
}

QString trae(HttpClient& http, Dialogs& dialogs, const QString& url, FalloTrae* fallo) {
    const HttpReply r = http.get(url);
    FalloTrae sinTexto = FalloTrae::SinAviso;
    if (!fallo)
        fallo = &sinTexto;
    *fallo = r.tooLarge || r.body.size() > kMaxPagina ? FalloTrae::Excesiva : FalloTrae::SinAviso;
    if (!r.completed || *fallo == FalloTrae::Excesiva)
        return {};
    if (r.status == 200)
        return textoDeCuerpo(r.body, r.contentType);
    *fallo = FalloTrae::Avisado;
    dialogs.message(QStringLiteral("Error al descargar la página: ") + QString::number(r.status) +
                        QStringLiteral(" - ") + r.statusText,
                    QStringLiteral("Error"), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    return {};
}
