#include "download/WwwFile.h"

#include "core/Cp1252.h"
#include "core/Session.h"

#include <QSaveFile>

QByteArray formaWww(const QString& respuesta) {
    QByteArray out = cp1252::encode(respuesta);
    out.replace('"', "\"\"");
    out.prepend('"');
    out.append("\"\r\n");
    return out;
}

bool grabaWww(Session& s, const QString& respuesta, QString* error) {
    if (s.files.www.isOpen())
        s.files.www.close();
    QSaveFile file(s.ruta(QStringLiteral("www.txt")));
    const QByteArray bytes = formaWww(respuesta);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    s.files.abrirWww(s.rutaApp);
    return ok;
}
