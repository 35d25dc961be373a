// Build-time tool: creates the encrypted report database from its schema file, and tells an
// installer whether an installed copy still serves.
// Usage: creabase <schema.sql> <output file>
//        creabase --comprueba <shipped database> <installed database>
#include "stats/BaseInforme.h"

#include <QFile>
#include <QSet>
#include <QTextStream>
#include <cstdio>

namespace {

// The tables of an open database that hold at least one row, and those that hold none.
bool tablas(BaseInforme& db, QSet<QString>& conFilas, QSet<QString>& vacias) {
    const QList<QVariantList> nombres =
        db.consulta(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    if (db.error() != 0)
        return false;
    for (const QVariantList& fila : nombres) {
        const QString t = fila.value(0).toString();
        const QString sql = QStringLiteral("SELECT count(*) FROM \"%1\"")
                                .arg(QString(t).replace(u'"', QStringLiteral("\"\"")));
        const QList<QVariantList> n = db.consulta(sql);
        if (db.error() != 0 || n.isEmpty())
            return false;
        (n.first().value(0).toLongLong() > 0 ? conFilas : vacias).insert(t);
    }
    return true;
}

// 0 when the installed database opens with the password and holds every table of the shipped
// one, with a row wherever the shipped one has rows (the one-row tables the program updates).
int comprueba(const QString& enviada, const QString& instalada) {
    BaseInforme a, b;
    QSet<QString> filasA, vaciasA, filasB, vaciasB;
    if (!a.abrir(enviada) || !tablas(a, filasA, vaciasA)) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(enviada), qPrintable(a.mensajeError()));
        return 2;
    }
    if (!QFile::exists(instalada) || !b.abrir(instalada) || !tablas(b, filasB, vaciasB))
        return 1;
    return filasB.contains(filasA) && (filasB + vaciasB).contains(vaciasA) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--comprueba")
        return comprueba(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: %s <schema.sql> <database>\n       %s --comprueba <shipped> <installed>\n",
                     argv[0], argv[0]);
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
