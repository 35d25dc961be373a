#include "core/FolderLock.h"
#include "core/Session.h"
#include "platform/Clock.h"
#include "platform/gui/ModalDialog.h"
#include "platform/gui/QtDialogs.h"
#include "ui/IdiomaYFuentes.h"
#include "ui/Presentacion.h"
#include "ui/Principal.h"

#include <QApplication>
#include <QLocale>
#include <QProxyStyle>
#include <QTimer>

namespace {
// The desktop's style, with the Alt key alone taking the keyboard to the menu bar.
class EstiloPrograma final : public QProxyStyle {
  public:
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override {
        if (h == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(h, o, w, r);
    }
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new EstiloPrograma);
    QApplication::setApplicationName(QStringLiteral("Velmorat"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    instalarTraduccionesQt(app);
    sustituirFuentes();
    // The program ends through its exit routine, not when the splash closes before the main window shows.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    // A second program on this folder ends here, before it shows or touches anything.
    const QString carpeta = QCoreApplication::applicationDirPath();
    FolderLock bloqueo(carpeta);
    if (!bloqueo.lockOrTell(dialogs))
        return 1;

    SystemClock clock;
    Session session(dialogs, clock);

    Principal* principal = nullptr;
    auto* presentacion = new Presentacion;
    presentacion->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(presentacion, &Presentacion::entrar, [&] {
        principal = new Principal(session, carpeta);
        principal->setAttribute(Qt::WA_DeleteOnClose);
        modaldialog::setOwner(principal);
        if (!principal->Form_Load(presentacion)) {
            delete principal;
            principal = nullptr;
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
            return;
        }
        principal->show();
    });
    presentacion->show();
    return app.exec();
}
