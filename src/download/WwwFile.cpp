#include "download/WwwFile.h"

#include "core/Cp1252.h"
#include "core/FileReplace.h"
#include "core/Session.h"

QByteArray formaWww(const QString& respuesta) {
    QByteArray out = cp1252::encode(respuesta);
    out.replace('"', "\"\"");
    out.prepend('"');
    out.append("\"\r\n");
    return out;
}

bool grabaWww(Session& s, const QString& respuesta, FalloEscritura* fallo) {
    if (s.files.www.isOpen())
        s.files.www.close();
    FalloEscritura propio;
    const bool ok = filereplace::reemplaza(s.ruta(QStringLiteral("www.txt")), formaWww(respuesta),
                                           fallo ? *fallo : propio);
    s.files.abrirWww(s.rutaApp);
    return ok;
}
