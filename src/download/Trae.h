#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class Dialogs;
class HttpClient;

// The lottery operator's web host: draw search and draw reports.
inline constexpr char kHostOperador[] = "www.loteriasyapuestas.es";
// Where the import's error text sends the user.
inline constexpr char kCorreoContacto[] = "info@velmorat.es";
// The download page of a PDF reader, offered when no PDF can be shown.
inline constexpr char kPaginaLectorPdf[] = "https://get.adobe.com/reader/";

// The days one draw search covers.
inline constexpr int kDiasBusqueda = 100;

// The draw search for the last 100 days up to `hoy`, and for the days from `desde` to
// `hasta`, both included.
QString urlBusqueda(const QDate& hoy);
QString urlBusqueda(const QDate& desde, const QDate& hasta);

// The largest page accepted. A reply of the draw search for a whole year is some 200 KB.
inline constexpr qint64 kMaxPagina = 4LL * 1024 * 1024;

// Why a fetch gave no text: nothing told yet (no reply at all), a status already told to
// the user, or a body larger than kMaxPagina.
enum class FalloTrae { SinAviso, Avisado, Excesiva };

// Body of a status-200 reply as text. Another status is told to the user ("Error al
// descargar la página: ...") and gives ""; a request that got no reply, or a body larger
// than kMaxPagina, gives "" silently. `fallo`, when given, says which.
QString trae(HttpClient& http, Dialogs& dialogs, const QString& url, FalloTrae* fallo = nullptr);

// Text of a body, by the charset its content type names (UTF-8 when none).
QString textoDeCuerpo(const QByteArray& body, const QByteArray& contentType);
