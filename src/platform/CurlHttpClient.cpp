#include "platform/CurlHttpClient.h"

#include <QSaveFile>
#include <QUrl>
#include <curl/curl.h>
#include <functional>
#include <mutex>

namespace {

void initCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// HTTP/2 replies carry no reason phrase; these stand in for the common ones.
QString standardReason(int status) {
    switch (status) {
    case 200:
        return QStringLiteral("OK");
    case 301:
        return QStringLiteral("Moved Permanently");
    case 302:
        return QStringLiteral("Found");
    case 400:
        return QStringLiteral("Bad Request");
    case 401:
        return QStringLiteral("Unauthorized");
    case 403:
        return QStringLiteral("Forbidden");
    case 404:
        return QStringLiteral("Not Found");
    case 500:
        return QStringLiteral("Internal Server Error");
    case 502:
        return QStringLiteral("Bad Gateway");
    case 503:
        return QStringLiteral("Service Unavailable");
    case 504:
        return QStringLiteral("Gateway Timeout");
    default:
        return {};
    }
}

struct Transfer {
    CURL* curl;
    std::function<bool(const char*, size_t)> sink; // false aborts the transfer
    QString reason;                                // of the last status line
};

size_t onBody(char* data, size_t size, size_t n, void* user) {
    auto* t = static_cast<Transfer*>(user);
    // The body of a redirect is not the page asked for.
    long status = 0;
    curl_easy_getinfo(t->curl, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 300 && status < 400)
        return size * n;
    return t->sink(data, size * n) ? size * n : 0;
}

size_t onHeader(char* data, size_t size, size_t n, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const QByteArray line = QByteArray(data, qsizetype(size * n)).trimmed();
    // "HTTP/1.1 404 Not Found": each status line (one per redirect) replaces the last.
    if (line.startsWith("HTTP/")) {
        const QList<QByteArray> parts = line.split(' ');
        t->reason = parts.size() > 2 ? QString::fromLatin1(line.mid(parts[0].size() + parts[1].size() + 2))
                                     : QString();
    }
    return size * n;
}

struct Outcome {
    bool completed = false;
    int status = 0;
    QString reason;
    QByteArray contentType;
    QByteArray redirect; // the address a redirect points to
};

Outcome perform(const QByteArray& url, long connectSeconds, long totalSeconds,
                const std::function<bool(const char*, size_t)>& sink) {
    initCurl();
    Outcome out;
    CURL* curl = curl_easy_init();
    if (!curl)
        return out;
    Transfer t{curl, sink, {}};
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Cache-Control: no-cache");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/5.0 (compatible; Velmorat/" VELMORAT_VERSION ")");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    // Redirects are followed below, one request each; no request leaves the web.
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
#else
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#endif
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, connectSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, totalSeconds);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &t);
    if (curl_easy_perform(curl) == CURLE_OK) {
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        char* type = nullptr;
        curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &type);
        out.completed = true;
        out.status = int(status);
        out.reason = t.reason.isEmpty() ? standardReason(out.status) : t.reason;
        out.contentType = type ? QByteArray(type) : QByteArray();
        char* destino = nullptr;
        curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &destino);
        out.redirect = destino ? QByteArray(destino) : QByteArray();
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return out;
}

// Follows up to five redirects that CurlHttpClient::followsRedirect allows; any other comes
// back as the reply.
Outcome performOnHost(QByteArray url, long connectSeconds, long totalSeconds,
                      const std::function<bool(const char*, size_t)>& sink) {
    Outcome o;
    for (int saltos = 0; saltos <= 5; ++saltos) {
        o = perform(url, connectSeconds, totalSeconds, sink);
        const bool redirige = o.completed && o.status >= 300 && o.status < 400 && !o.redirect.isEmpty();
        if (!redirige || !CurlHttpClient::followsRedirect(url, o.redirect))
            return o;
        url = o.redirect;
    }
    return o;
}

} // namespace

bool CurlHttpClient::followsRedirect(const QByteArray& from, const QByteArray& to) {
    const QUrl a = QUrl::fromEncoded(from), b = QUrl::fromEncoded(to);
    const QString desde = a.scheme().toLower(), hacia = b.scheme().toLower();
    const bool esquema = hacia == u"https" || (hacia == u"http" && desde == u"http");
    return esquema && a.host().compare(b.host(), Qt::CaseInsensitive) == 0;
}

CurlHttpClient::CurlHttpClient() : CurlHttpClient(QString(), Limits()) {}

CurlHttpClient::CurlHttpClient(QString baseAddress) : CurlHttpClient(std::move(baseAddress), Limits()) {}

CurlHttpClient::CurlHttpClient(QString baseAddress, Limits limits)
    : m_base(std::move(baseAddress)), m_limits(limits) {}

QByteArray CurlHttpClient::resolve(const QString& url) const {
    QUrl u(url, QUrl::TolerantMode);
    if (!m_base.isEmpty()) {
        const QUrl b(m_base);
        u.setScheme(b.scheme());
        u.setHost(b.host());
        u.setPort(b.port());
    }
    return u.toEncoded();
}

HttpReply CurlHttpClient::get(const QString& url) {
    HttpReply r;
    const qint64 max = m_limits.maxGet;
    const Outcome o = performOnHost(resolve(url), m_limits.connectSeconds, m_limits.getSeconds,
                                    [&](const char* d, size_t n) {
                                        r.tooLarge = r.body.size() + qint64(n) > max;
                                        if (r.tooLarge)
                                            return false;
                                        r.body.append(d, qsizetype(n));
                                        return true;
                                    });
    r.completed = o.completed && !r.tooLarge;
    r.status = o.status;
    r.statusText = o.reason;
    r.contentType = o.contentType;
    if (!r.completed)
        r.body.clear();
    return r;
}

bool CurlHttpClient::download(const QString& url, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    qint64 written = 0;
    const qint64 max = m_limits.maxBody;
    const Outcome o = performOnHost(resolve(url), m_limits.connectSeconds, m_limits.downloadSeconds,
                                    [&](const char* d, size_t n) {
                                        written += qint64(n);
                                        return written <= max && file.write(d, qint64(n)) == qint64(n);
                                    });
    // Only a whole, non-empty body replaces the file.
    if (!o.completed || o.status != 200 || written == 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
