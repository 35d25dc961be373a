#include "core/Ajustes.h"

#include "core/Records.h"

#include <QLocale>
#include <cfloat>
#include <cmath>

namespace ajustes {

namespace {

QLocale espanol() {
    QLocale l(QLocale::Spanish, QLocale::Spain);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

// A finite number in Spanish form, blanks around it allowed.
std::optional<double> numero(const QString& texto) {
    bool ok = false;
    const double v = QLocale(QLocale::Spanish, QLocale::Spain).toDouble(texto.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

QString textoPrecio(float precio) {
    return espanol().toString(double(precio), 'g', 7).toUpper();
}

QString textoMeses(int16_t meses) {
    return espanol().toString(meses);
}

std::optional<QString> cambiaPrecio(Config& cfg, const QString& texto) {
    const std::optional<double> v = numero(texto);
    if (v && std::fabs(*v) <= double(FLT_MAX)) {
        cfg.precio = float(*v);
        return std::nullopt;
    }
    if (texto.isEmpty())
        return std::nullopt;
    return textoPrecio(cfg.precio);
}

std::optional<QString> cambiaMeses(Config& cfg, const QString& texto) {
    const std::optional<double> v = numero(texto);
    if (v) {
        const double redondo = std::nearbyint(*v); // half to even, as the default rounding mode
        if (redondo >= INT16_MIN && redondo <= INT16_MAX)
            cfg.meses = int16_t(redondo);
        else if (!texto.isEmpty())
            return textoMeses(cfg.meses);
    } else if (!texto.isEmpty()) {
        return textoMeses(cfg.meses);
    }
    if (cfg.meses < 2)
        cfg.meses = 2;
    return std::nullopt;
}

} // namespace ajustes
