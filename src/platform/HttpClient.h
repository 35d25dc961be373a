#pragma once

#include <QByteArray>
#include <QString>

// What a synchronous HTTP GET brought back.
struct HttpReply {
    bool completed = false; // false: no reply at all (no network, refused, timed out, too large)
    int status = 0;
    QString statusText;
    QByteArray contentType;
    QByteArray body;
    bool tooLarge = false; // the body passed the client's size limit; none of it is kept
};

// The program's web access: a blocking GET and a download to a file, both bypassing any
// cache and bounded by timeouts so the window never waits for good.
class HttpClient {
  public:
    virtual ~HttpClient() = default;
    virtual HttpReply get(const QString& url) = 0;
    // Saves the body of a status-200 reply as `path`. On any failure the file is left as it was.
    virtual bool download(const QString& url, const QString& path) = 0;
};
