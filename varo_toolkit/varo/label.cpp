#include "varo/label.h"

#include <QPainter>

namespace varo {

label::label(QString const& text, QWidget* parent) : QLabel(text, parent)
{
    setStyleSheet(QStringLiteral(
        "QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);}"));
}

void label::paintEvent(QPaintEvent* event)
{
    if (!painter) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    painter(p);
}

}
