#include "platform/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopUrlOpener::open(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}
