#include "platform/gui/ListaArbol.h"

void ListaArbol::currentChanged(const QModelIndex& actual, const QModelIndex& anterior) {
    if (hasFocus()) {
        QTreeWidget::currentChanged(actual, anterior);
        return;
    }
    // The tree's own step announces the focus; the view's keeps the scrolling and the editing.
    QAbstractItemView::currentChanged(actual, anterior);
    viewport()->update();
}
