#include "support/TestFolder.h"

#include <QFile>

TestFolder::TestFolder() = default;

void TestFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(ruta(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray TestFolder::read(const QString& name) const {
    QFile f(ruta(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestFolder::exists(const QString& name) const { return QFile::exists(ruta(name)); }

void TestFolder::conTablas() const {
    QFile::copy(QStringLiteral(VELMORAT_SOURCE_DIR "/data/tablas.bin"), ruta(QStringLiteral("tablas.bin")));
}

void TestFolder::conBase() const {
    QFile::copy(QStringLiteral(VELMORAT_DIST_DIR "/Velmorat.mdb"), ruta(QStringLiteral("Velmorat.mdb")));
    QFile(ruta(QStringLiteral("Velmorat.mdb"))).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}
