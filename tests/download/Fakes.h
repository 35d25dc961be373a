#pragma once

#include "platform/HttpClient.h"
#include "platform/PdfAvailability.h"
#include "platform/UrlOpener.h"

#include <QFile>
#include <QList>
#include <QMap>
#include <QStringList>
#include <functional>

// Web access for tests: scripted GET replies (none left: no network) and downloads by address.
class FakeHttp final : public HttpClient {
  public:
    HttpReply get(const QString& url) override {
        gets << url;
        if (!replies.isEmpty())
            return replies.takeFirst();
        return servicio ? servicio(url) : HttpReply{};
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
    std::function<HttpReply(const QString&)> servicio; // answers when no reply is scripted
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
