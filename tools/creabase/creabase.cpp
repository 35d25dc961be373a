// Build-time tool: creates the encrypted report database from its schema file.
// Usage: creabase <schema.sql> <output file>
#include "stats/BaseInforme.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <schema.sql> <database>\n", argv[0]);
        return 2;
    }
    QFile esquema(QString::fromLocal8Bit(argv[1]));
    if (!esquema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString sql = QString::fromUtf8(esquema.readAll());
    const QString destino = QString::fromLocal8Bit(argv[2]);
    const QString temporal = destino + QStringLiteral(".new");
    QFile::remove(temporal);
    {
        BaseInforme db;
        if (!db.abrir(temporal, QString::fromLatin1(BaseInforme::kClave), true) || !db.empieza()) {
            std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(temporal),
                         qPrintable(db.mensajeError()));
            return 1;
        }
        // One statement per ';' outside the comment lines.
        QString sentencia;
        for (const QString& linea : sql.split(u'\n')) {
            if (linea.trimmed().startsWith(QStringLiteral("--")))
                continue;
            sentencia += linea + u'\n';
            if (linea.trimmed().endsWith(u';')) {
                if (!db.ejecuta(sentencia)) {
                    std::fprintf(stderr, "%s: %s\n", qPrintable(sentencia), qPrintable(db.mensajeError()));
                    return 1;
                }
                sentencia.clear();
            }
        }
        if (!db.confirma())
            return 1;
    }
    QFile::remove(destino);
    return QFile::rename(temporal, destino) ? 0 : 1;
}
