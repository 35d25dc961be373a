#include "core/VbText.h"

#include "core/OleDate.h"
#include "core/SharedRoutines.h"

#include <cmath>
#include <cstdio>

namespace vbtext {

double Val(const QString& text) {
    QByteArray s;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        s.append(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x01');
    }
    int i = 0;
    const int n = s.size();
    QByteArray num;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        num.append(s[i++]);
    bool digits = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num.append(s[i++]);
        digits = true;
    }
    if (i < n && s[i] == '.') {
        num.append(s[i++]);
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
            num.append(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        QByteArray exp("e");
        int j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            exp.append(s[j++]);
        bool expDigits = false;
        while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exp.append(s[j++]);
            expDigits = true;
        }
        if (expDigits)
            num.append(exp);
    }
    const double v = std::strtod(num.constData(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

QString cstr(double value) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0)
        return QStringLiteral("0");
    const double mag = std::fabs(value);
    char buf[64];
    if (mag >= 1e15 || mag < 1e-5) {
        std::snprintf(buf, sizeof buf, "%.14E", value);
        QString s = QString::fromLatin1(buf);
        const int e = s.indexOf(u'E');
        QString mant = s.left(e);
        QString exp = s.mid(e + 1);
        while (mant.endsWith(u'0'))
            mant.chop(1);
        if (mant.endsWith(u'.'))
            mant.chop(1);
        const QChar sign = exp.at(0);
        exp = exp.mid(1);
        while (exp.size() > 2 && exp.startsWith(u'0'))
            exp.remove(0, 1);
        return mant + u'E' + sign + exp;
    }
    std::snprintf(buf, sizeof buf, "%.15G", value);
    QString s = QString::fromLatin1(buf);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    return s;
}

QString nombreMes(int month) {
    static const char* kMeses[12] = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                                     "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(kMeses[month - 1]) : QString();
}

QString fechaLarga(double fecha) {
    const QDate d = oledate::toQDate(fecha);
    return diasemana(fecha) + QStringLiteral(", ") + QString::number(d.day()) + QStringLiteral(" de ") +
           nombreMes(d.month()) + QStringLiteral(" del ") + QString::number(d.year());
}

} // namespace vbtext
