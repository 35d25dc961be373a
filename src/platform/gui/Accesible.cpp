#include "platform/gui/Accesible.h"

#include "platform/gui/Etiqueta.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>

namespace {

const char* const kDecorativa = "velmorat_decorativa";
const char* const kSoloVisibles = "velmorat_solo_visibles";
const char* const kGrafico = "velmorat_grafico";

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
        // The tool tip describes it only where it says more than the name.
        if (t == QAccessible::Description && e->accessibleDescription().isEmpty())
            return e->toolTip() != text(QAccessible::Name) ? e->toolTip() : QString();
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

// A box or an option (a number of the ticket too): a screen reader's toggle is the user's
// click, queued as the toolkit queues a button's press, so what the click does (and not only
// the mark) happens and the call returns at once.
class MarcaAccesible final : public QAccessibleWidget {
  public:
    explicit MarcaAccesible(QAbstractButton* b)
        : QAccessibleWidget(b, qobject_cast<QRadioButton*>(b) ? QAccessible::RadioButton : QAccessible::CheckBox) {
    }

    QString text(QAccessible::Text t) const override {
        const QString propio = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && propio.isEmpty())
            return QString(boton()->text()).remove(u'&');
        if (t == QAccessible::Accelerator && propio.isEmpty())
            return QKeySequence::mnemonic(boton()->text()).toString(QKeySequence::NativeText);
        return propio;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = boton()->isChecked();
        s.pressed = boton()->isDown();
        return s;
    }
    QStringList actionNames() const override {
        return boton()->isEnabled() ? QStringList{toggleAction()} + QAccessibleWidget::actionNames()
                                    : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& accion) override {
        if (accion == toggleAction() || accion == pressAction()) {
            if (boton()->isEnabled())
                boton()->animateClick();
        } else {
            QAccessibleWidget::doAction(accion);
        }
    }

  private:
    QAbstractButton* boton() const { return static_cast<QAbstractButton*>(widget()); }
};

// A drop-down list keeps its label as its name once an entry is chosen; the entry is its
// value. (Left to the toolkit, the chosen entry would take the label's place.)
class ComboAccesible final : public QAccessibleWidget {
  public:
    explicit ComboAccesible(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const QString valor = combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        if (t == QAccessible::Value)
            return valor;
        const QString propio = QAccessibleWidget::text(t);
        return t == QAccessible::Name && propio.isEmpty() ? valor : propio;
    }
    int childCount() const override { return combo()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int i) const override {
        if (i == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        return i == 1 && combo()->isEditable() ? QAccessible::queryAccessibleInterface(combo()->lineEdit())
                                               : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        if (!c)
            return -1;
        if (c->object() == combo()->view())
            return 0;
        return combo()->isEditable() && c->object() == combo()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& accion) override {
        if (accion != showMenuAction() && accion != pressAction())
            return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// A chart read as a whole: its name and its values as text, without the view it is drawn on.
class GraficoAccesible final : public QAccessibleWidget {
  public:
    explicit GraficoAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::Chart) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
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
    if (w->property(kGrafico).toBool())
        return new GraficoAccesible(w);
    if (auto* c = qobject_cast<QComboBox*>(o))
        return new ComboAccesible(c);
    if (qobject_cast<QCheckBox*>(o) || qobject_cast<QRadioButton*>(o))
        return new MarcaAccesible(static_cast<QAbstractButton*>(o));
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

void marcarGrafico(QWidget* grafico) {
    instalarAccesibilidad();
    grafico->setProperty(kGrafico, true);
}

void soloHijosVisibles(QWidget* panel) {
    panel->setProperty(kSoloVisibles, true);
}
