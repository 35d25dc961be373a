#include "ui/IdiomaYFuentes.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool instalarTraduccionesQt(QCoreApplication& app) {
    auto* traductor = new QTranslator(&app);
    if (!traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    return QCoreApplication::installTranslator(traductor);
}

void sustituirFuentes() {
    const struct {
        const char* nombre;
        const char* parecida;
    } tabla[] = {{"Comic Sans MS", "Comic Neue"},
                 {"Arial", "Liberation Sans"},
                 {"Courier New", "Liberation Mono"},
                 {"Times New Roman", "Liberation Serif"}};
    for (const auto& t : tabla)
        QFont::insertSubstitution(QString::fromLatin1(t.nombre), QString::fromLatin1(t.parecida));
}
