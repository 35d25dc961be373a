#include "download/EnlacesWeb.h"

#include "core/Records.h"
#include "download/Trae.h"

namespace enlaces {

QString web(const Config& cfg) {
    return QStringLiteral("http://") + cfg.webhost.trimmed();
}

QString instrucciones(const Config& cfg) {
    return web(cfg) + QStringLiteral("/descargas/Instrucciones%20Velmorat%203.2.pdf");
}

QString aviso(const Config& cfg) {
    return (web(cfg) + QStringLiteral("/informe.dat")).toLower();
}

QString correo() {
    return QStringLiteral("mailto:") + QLatin1String(kCorreoContacto);
}

} // namespace enlaces
