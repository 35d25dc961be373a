#include "stats/gui/AsistenteIcono.h"

#include "platform/gui/ImageList1.h"

#include <QEvent>
#include <QPainter>

AsistenteIcono::AsistenteIcono(const QString& objeto, const QString& nombre, int normal, int encima,
                               int apagada, QWidget* parent)
    : QAbstractButton(parent), m_normal(normal), m_encima(encima), m_apagada(apagada) {
    setObjectName(objeto);
    setAccessibleName(nombre);
    setToolTip(nombre);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setImagen(normal);
}

void AsistenteIcono::setImagen(int numero) {
    if (numero == m_imagen)
        return;
    m_imagen = numero;
    m_pixmap = ImageList1::picture(numero);
    updateGeometry();
    update();
}

void AsistenteIcono::vuelveNormal() {
    if (isEnabled() && m_imagen == m_encima)
        setImagen(m_normal);
}

QSize AsistenteIcono::sizeHint() const {
    return m_pixmap.deviceIndependentSize().toSize() + QSize(4, 4);
}

void AsistenteIcono::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QSize lado = m_pixmap.deviceIndependentSize().toSize();
    const QPoint origen((width() - lado.width()) / 2, (height() - lado.height()) / 2);
    p.drawPixmap(origen, m_pixmap);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Enabling gives the icon its normal picture, disabling its greyed one.
void AsistenteIcono::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange)
        setImagen(isEnabled() ? m_normal : m_apagada);
    QAbstractButton::changeEvent(e);
}

void AsistenteIcono::enterEvent(QEnterEvent* e) {
    if (isEnabled())
        setImagen(m_encima);
    QAbstractButton::enterEvent(e);
}

void AsistenteIcono::leaveEvent(QEvent* e) {
    vuelveNormal();
    QAbstractButton::leaveEvent(e);
}
