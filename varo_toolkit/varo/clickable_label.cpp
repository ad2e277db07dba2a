#include "varo/clickable_label.h"

#include <QMouseEvent>

namespace varo {

clickable_label::clickable_label(QString const& text, bool hover_underline, QWidget* parent)
    : QLabel(text, parent),
      hover_underline(hover_underline)
{
    if (hover_underline) {
        setMouseTracking(true);
        setCursor(Qt::PointingHandCursor);
    }
    apply_style(false);
}

void clickable_label::apply_style(bool underline)
{
    setStyleSheet(QStringLiteral("QLabel { text-decoration: %1; }QToolTip { border:1px solid rgb(99,99,99);"
                                 "background-image:none;background-color:rgb(47,47,47); }")
                      .arg(underline ? QStringLiteral("underline") : QStringLiteral("none")));
}

void clickable_label::mousePressEvent(QMouseEvent* event)
{
    modifiers = event->modifiers();
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void clickable_label::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    modifiers = Qt::NoModifier;
}

void clickable_label::enterEvent(QEvent* event)
{
    QLabel::enterEvent(event);
    if (hover_underline)
        apply_style(true);
}

void clickable_label::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (hover_underline)
        apply_style(false);
}

}
