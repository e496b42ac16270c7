#include "platform/listenfeld.h"

#include <QKeyEvent>

Listenfeld::Listenfeld(QWidget* parent) : QListWidget(parent) {}

void Listenfeld::keyPressEvent(QKeyEvent* e)
{
    // Down, Up and Home select the first line while none is selected: without a
    // current line the list's cursor starts there
    const bool ersteZeile = e->key() == Qt::Key_Down || e->key() == Qt::Key_Up || e->key() == Qt::Key_Home;
    if (ersteZeile && selectedItems().isEmpty())
        QAbstractItemView::setCurrentIndex(QModelIndex());
    QListWidget::keyPressEvent(e);
}
