#include "varo/button_custom.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

namespace varo {

button_custom::button_custom(QWidget* parent) : QPushButton(parent) {}

void button_custom::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    if (painter)
        painter(canvas);
}

void button_custom::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void button_custom::dropEvent(QDropEvent* event)
{
    if (drop_callback)
        drop_callback(event);
    else
        QWidget::dropEvent(event);
}

}
