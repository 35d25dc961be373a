#include "platform/gui/ImageList1.h"

#include <QDir>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

static void iniciarRecursos() {
    Q_INIT_RESOURCE(imagelist);
}

namespace {

const QString kCarpeta = QStringLiteral(":/imagelist");

// Number -> resource path, read once from the folder's "NN-name.svg" files.
const QHash<int, QString>& indice() {
    static const QHash<int, QString> tabla = [] {
        iniciarRecursos();
        QHash<int, QString> t;
        static const QRegularExpression nombre(QStringLiteral("^(\\d+)-.*\\.svg$"));
        const QStringList ficheros = QDir(kCarpeta).entryList(QDir::Files);
        for (const QString& f : ficheros) {
            const QRegularExpressionMatch m = nombre.match(f);
            if (m.hasMatch())
                t.insert(m.captured(1).toInt(), kCarpeta + u'/' + f);
        }
        return t;
    }();
    return tabla;
}

} // namespace

QString ImageList1::resource(int n) {
    return indice().value(n);
}

bool ImageList1::contains(int n) {
    return indice().contains(n);
}

QPixmap ImageList1::picture(int n) {
    static QHash<int, QPixmap> hechas;
    const auto it = hechas.constFind(n);
    if (it != hechas.constEnd())
        return *it;
    QPixmap p;
    if (contains(n)) {
        QSvgRenderer r(resource(n));
        p = QPixmap(r.defaultSize());
        p.fill(Qt::transparent);
        QPainter painter(&p);
        r.render(&painter);
    }
    hechas.insert(n, p);
    return p;
}

QImage ImageList1::image(int n, QSize size) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::white);
    if (contains(n)) {
        QSvgRenderer r(resource(n));
        QPainter p(&img);
        r.render(&p);
    }
    return img;
}

void ImageList1::show(QLabel* label, int n) {
    if (label)
        label->setPixmap(picture(n));
}

bool ImageList1::shows(const QLabel* label, int n) {
    if (!label || !contains(n))
        return false;
    return label->pixmap().cacheKey() == picture(n).cacheKey();
}
