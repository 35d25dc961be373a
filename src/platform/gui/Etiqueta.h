#pragma once

#include <QLabel>

// A label the user clicks or presses: a picture button, a link, or the drawn "X" that
// closes a window. As a button or a link it takes the focus, Space or Enter presses it, and
// a screen reader hears it as what it is, named by its accessible name, caption or tool tip.
// As plain text (a caption that also reacts to a click) it stays out of the Tab order.
class Etiqueta : public QLabel {
    Q_OBJECT
  public:
    enum class Rol { Boton, Enlace, Texto };

    explicit Etiqueta(QWidget* parent = nullptr);
    explicit Etiqueta(const QString& texto, QWidget* parent = nullptr);

    void setRol(Rol rol);
    Rol rol() const { return m_rol; }
    // What a click does; nothing while disabled.
    void pulsar();
    // The same press on the next turn of the event loop, so the caller (a screen reader's
    // action) returns at once even when the press opens a modal box. Presses asked for before
    // that turn make one press.
    void pulsarEnCola();

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    Rol m_rol = Rol::Boton;
    bool m_enCola = false;
};
