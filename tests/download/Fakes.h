#pragma once

#include "platform/HttpClient.h"
#include "platform/PdfAvailability.h"
#include "platform/UrlOpener.h"

#include <QFile>
#include <QList>
#include <QMap>
#include <QStringList>

// Web access for tests: scripted GET replies (none left: no network) and downloads by address.
class FakeHttp final : public HttpClient {
  public:
    HttpReply get(const QString& url) override {
        gets << url;
        return replies.isEmpty() ? HttpReply{} : replies.takeFirst();
    }
    bool download(const QString& url, const QString& path) override {
        downloads << url;
        if (!files.contains(url))
            return false;
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(files.value(url)) == files.value(url).size();
    }
    static HttpReply ok(const QString& body) {
        return {true, 200, QStringLiteral("OK"), "application/json;charset=UTF-8", body.toUtf8()};
    }

    QList<HttpReply> replies;
    QMap<QString, QByteArray> files;
    QStringList gets;
    QStringList downloads;
};

class FakePdf final : public PdfAvailability {
  public:
    bool canShowPdf() const override { return available; }
    bool available = true;
};

class FakeUrls final : public UrlOpener {
  public:
    void open(const QString& url) override { opened << url; }
    QStringList opened;
};
