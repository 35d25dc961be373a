#pragma once

#include <QTreeWidget>

// A tree list that tells a screen reader its current row took the focus only while the list
// has the focus. The program moves the current row of a list that is not focused, or not on
// view (a reload after a window closes); the keyboard does not stand there.
class ListaArbol : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;

  protected:
    void currentChanged(const QModelIndex& actual, const QModelIndex& anterior) override;
};
