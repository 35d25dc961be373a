#include "support/Pdf.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {
QByteArray pdftotext(QStringList args, const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}
} // namespace

QList<PalabraPdf> palabrasPdf(const QString& pdf) {
    QXmlStreamReader xml(pdftotext({QStringLiteral("-bbox")}, pdf));
    QList<PalabraPdf> out;
    int pagina = 0;
    const auto n = [&](const char* a) { return xml.attributes().value(QLatin1String(a)).toDouble(); };
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("page"))
            ++pagina;
        else if (xml.isStartElement() && xml.name() == QLatin1String("word"))
            out.append({pagina, QRectF(QPointF(n("xMin"), n("yMin")), QPointF(n("xMax"), n("yMax"))),
                        xml.readElementText()});
    return out;
}

QString textoPdf(const QString& pdf, bool layout) {
    return QString::fromUtf8(pdftotext(layout ? QStringList{QStringLiteral("-layout")} : QStringList{}, pdf));
}
