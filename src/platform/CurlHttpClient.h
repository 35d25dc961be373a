#pragma once

#include "platform/HttpClient.h"

// HttpClient on libcurl. Redirects on the same host are followed, a redirect to another
// host comes back as the reply; compressed replies are inflated, and the system's proxy
// variables are honoured.
class CurlHttpClient final : public HttpClient {
  public:
    struct Limits {
        long connectSeconds = 10;
        long getSeconds = 30;       // whole GET, reply included
        long downloadSeconds = 120; // whole download to a file
        qint64 maxBody = 64LL * 1024 * 1024;
    };

    // `baseAddress` ("http://127.0.0.1:8080"), when not empty, replaces the scheme, host and
    // port of every address asked for, so a local server can stand in for a remote one.
    CurlHttpClient();
    explicit CurlHttpClient(QString baseAddress);
    CurlHttpClient(QString baseAddress, Limits limits);

    HttpReply get(const QString& url) override;
    bool download(const QString& url, const QString& path) override;

    // The address actually requested for `url`.
    QByteArray resolve(const QString& url) const;

  private:
    QString m_base;
    Limits m_limits;
};
