#include "ui/IdiomaYFuentes.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(IdiomaYFuentes, StandardDialogsSpeakSpanish) {
    ASSERT_TRUE(instalarTraduccionesQt(*qApp));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
    for (QTranslator* t : qApp->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(t);
}

TEST(IdiomaYFuentes, NamedFacesFallBackToLookAlikes) {
    sustituirFuentes();
    const struct {
        const char *nombre, *parecida;
    } casos[] = {{"Comic Sans MS", "Comic Neue"}, {"Arial", "Liberation Sans"}};
    for (const auto& c : casos) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(c.parecida)))
            GTEST_SKIP() << c.parecida << " is not installed";
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(c.nombre))).family(), QString::fromLatin1(c.parecida));
    }
}
