#pragma once

#include "platform/HttpClient.h"

// HttpClient on libcurl. Redirects on the same host are followed unless they leave https,
// any other comes back as the reply; compressed replies are inflated, and the system's proxy
// variables are honoured.
class CurlHttpClient final : public HttpClient {
  public:
    struct Limits {
        long connectSeconds = 10;
        long getSeconds = 30;                // whole GET, reply included
        long downloadSeconds = 120;          // whole download to a file
        qint64 maxGet = 4LL * 1024 * 1024;   // a page: far above any the program reads
        qint64 maxBody = 64LL * 1024 * 1024; // a downloaded file
    };

    // `baseAddress` ("http://127.0.0.1:8080"), when not empty, replaces the scheme, host and
    // port of every address asked for, so a local server can stand in for a remote one.
    CurlHttpClient();
    explicit CurlHttpClient(QString baseAddress);
    CurlHttpClient(QString baseAddress, Limits limits);

    HttpReply get(const QString& url) override;
    bool download(const QString& url, const QString& path) override;

    // Whether a redirect from `from` to `to` is followed: only on the same host, and never
    // from https to http.
    static bool followsRedirect(const QByteArray& from, const QByteArray& to);

    // The address actually requested for `url`.
    QByteArray resolve(const QString& url) const;

  private:
    QString m_base;
    Limits m_limits;
};
