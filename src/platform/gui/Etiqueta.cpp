#include "platform/gui/Etiqueta.h"

#include "platform/gui/Accesible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

Etiqueta::Etiqueta(QWidget* parent) : Etiqueta(QString(), parent) {}

Etiqueta::Etiqueta(const QString& texto, QWidget* parent) : QLabel(texto, parent) {
    instalarAccesibilidad();
    setRol(Rol::Boton);
}

void Etiqueta::setRol(Rol rol) {
    m_rol = rol;
    setFocusPolicy(rol == Rol::Texto ? Qt::NoFocus : Qt::StrongFocus);
}

void Etiqueta::pulsar() {
    if (isEnabled())
        emit clicked();
}

void Etiqueta::pulsarEnCola() {
    if (m_enCola)
        return;
    m_enCola = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_enCola = false;
            pulsar();
        },
        Qt::QueuedConnection);
}

void Etiqueta::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        pulsar();
}

void Etiqueta::keyPressEvent(QKeyEvent* e) {
    const bool pulsa = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter ||
                       e->key() == Qt::Key_Select;
    if (m_rol != Rol::Texto && pulsa && !e->isAutoRepeat() && e->modifiers() == Qt::NoModifier) {
        pulsar();
        e->accept();
        return;
    }
    QLabel::keyPressEvent(e);
}

// A label draws no focus of its own: show where the keyboard stands.
void Etiqueta::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    QStylePainter p(this);
    QStyleOptionFocusRect o;
    o.initFrom(this);
    o.rect = rect().adjusted(1, 1, -1, -1);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, o);
}
