#include "platform/gui/Accesible.h"

#include "platform/gui/Etiqueta.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>

namespace {

const char* const kDecorativa = "velmorat_decorativa";
const char* const kSoloVisibles = "velmorat_solo_visibles";

// A label pressed as a button or followed as a link.
class EtiquetaAccesible final : public QAccessibleWidget {
  public:
    explicit EtiquetaAccesible(Etiqueta* e) : QAccessibleWidget(e, QAccessible::Button) {}

    QAccessible::Role role() const override {
        switch (static_cast<const Etiqueta*>(widget())->rol()) {
        case Etiqueta::Rol::Boton:
            return QAccessible::Button;
        case Etiqueta::Rol::Enlace:
            return QAccessible::Link;
        case Etiqueta::Rol::Texto:
            break;
        }
        return QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        const auto* e = static_cast<const Etiqueta*>(widget());
        if (t == QAccessible::Name) {
            for (const QString& s : {e->accessibleName(), e->text(), e->toolTip()})
                if (!s.trimmed().isEmpty())
                    return s;
            return {};
        }
        if (t == QAccessible::Description && e->toolTip() != text(QAccessible::Name))
            return e->toolTip();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& accion) override {
        if (accion == pressAction())
            static_cast<Etiqueta*>(widget())->pulsarEnCola();
        else
            QAccessibleWidget::doAction(accion);
    }
};

// A top-level window of the program (a window or a dialog), or a panel whose hidden parts
// are not there for a screen reader; pictures without meaning are not among the children.
class VentanaAccesible final : public QAccessibleWidget {
  public:
    VentanaAccesible(QWidget* w, QAccessible::Role rol) : QAccessibleWidget(w, rol) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->isWindow() && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(hijos().size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> h = hijos();
        return i >= 0 && i < h.size() ? QAccessible::queryAccessibleInterface(h.at(i)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c ? int(hijos().indexOf(qobject_cast<QWidget*>(c->object()))) : -1;
    }

  private:
    QList<QWidget*> hijos() const {
        QList<QWidget*> h;
        const bool soloVisibles = widget()->property(kSoloVisibles).toBool();
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !qobject_cast<QMenu*>(w) && !w->property(kDecorativa).toBool() &&
                (!soloVisibles || w->isVisible()))
                h.append(w);
        }
        return h;
    }
};

QAccessibleInterface* fabrica(const QString& clase, QObject* o) {
    auto* w = qobject_cast<QWidget*>(o);
    // Only for the object's own class: its base classes keep what the toolkit gives them.
    if (!w || clase != QLatin1String(o->metaObject()->className()))
        return nullptr;
    if (auto* e = qobject_cast<Etiqueta*>(o))
        return e->rol() == Etiqueta::Rol::Texto ? nullptr : new EtiquetaAccesible(e);
    const bool ventana = w->isWindow() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
    if (ventana && !qobject_cast<QDialog*>(w) && !qobject_cast<QMainWindow*>(w))
        return new VentanaAccesible(w, w->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                     : QAccessible::Window);
    if (w->property(kSoloVisibles).toBool())
        return new VentanaAccesible(w, QAccessible::Client);
    return nullptr;
}

} // namespace

void instalarAccesibilidad() {
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    (void)instalada;
}

void marcarDecorativa(QWidget* imagen) {
    imagen->setProperty(kDecorativa, true);
    imagen->setAccessibleName(QString());
}

void soloHijosVisibles(QWidget* panel) {
    panel->setProperty(kSoloVisibles, true);
}
