// Runs the tests inside a Qt application on the offscreen platform, in Spanish (Spain).
#include <QApplication>
#include <QLocale>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
