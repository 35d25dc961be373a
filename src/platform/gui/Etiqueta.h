#pragma once

#include <QLabel>
#include <QMouseEvent>

// A label that reports clicks, for the captions the user clicks ("X" to close).
class Etiqueta : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            emit clicked();
    }
};
