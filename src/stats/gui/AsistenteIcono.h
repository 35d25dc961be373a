#pragma once

#include <QAbstractButton>

// A clickable picture of the main window that changes its picture while the pointer is
// over it: its normal picture, another under the pointer while it is enabled, and a greyed
// one while it is disabled. Pictures are numbers of the main window's picture list.
class AsistenteIcono : public QAbstractButton {
    Q_OBJECT
  public:
    // `nombre` is announced to screen readers and shown as the tool tip.
    AsistenteIcono(const QString& objeto, const QString& nombre, int normal, int encima, int apagada,
                   QWidget* parent = nullptr);

    // The number of the picture it shows.
    int imagen() const { return m_imagen; }
    void setImagen(int numero);
    // Back to its normal picture when it shows the one for the pointer (the pointer left it).
    void vuelveNormal();

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    int m_normal;
    int m_encima;
    int m_apagada;
    int m_imagen = 0;
    QPixmap m_pixmap;
};
