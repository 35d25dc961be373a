#pragma once

#include <QPointer>
#include <QShowEvent>
#include <QWidget>
#include <QWindow>

// Every modal box and dialog of the program is owned by the main window, never by a secondary
// window: the main window's activation closes those, and a box whose owner is deleted inside
// the box's own loop is freed twice. The main window cannot close while a modal dialog is
// open. The dialog still shows over the window whose action raised it.
namespace modaldialog {

// The window that owns the modal dialogs made from now on: the main window, once it exists.
void setOwner(QWidget* owner);
// The owner for a new dialog; null before the main window exists.
QWidget* owner();
// The window whose action raises a dialog now: the open modal dialog, else the active window.
QWidget* origin();

} // namespace modaldialog

// A dialog of kind D (a message box, file or printer dialog), made with modaldialog::owner()
// as its parent, that shows centred over the window that was active when it was made, as a
// transient window of that one.
template <class D> class ModalDialog final : public D {
  public:
    using D::D;

  protected:
    void showEvent(QShowEvent* e) override {
        D::showEvent(e);
        if (e->spontaneous() || !m_origin || !m_origin->isVisible())
            return;
        // The toolkit has just centred it over its owner; move it before it reaches the screen,
        // and have the window manager keep it above that window and return there after it.
        this->adjustPosition(m_origin);
        if (QWindow* ventana = this->windowHandle())
            ventana->setTransientParent(m_origin->window()->windowHandle());
    }

  private:
    QPointer<QWidget> m_origin = modaldialog::origin();
};
