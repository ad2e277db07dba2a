#include "varo/button.h"

#include "varo/merge_style_sheet.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QTimer>

namespace varo {

namespace {

constexpr int flash_milliseconds = 200;

void merge(QWidget* widget, char const* declarations)
{
    QString text = QString::fromLatin1(declarations);
    merge_style_sheet(widget, text);
}

void show_idle_frame(QWidget* widget)
{
    merge(widget, "border:none;margin:2px 2px 2px 2px;");
}

}

button::button(QString const& text, QWidget* parent) : QPushButton(text, parent)
{
    show_idle_frame(this);
    setFocusPolicy(Qt::NoFocus);
}

button::button(QWidget* parent, QRect rect) : button(QString(), parent)
{
    highlight_rect = rect.adjusted(4, 4, 1, 1);
}

void button::deaktivate_highlight()
{
    if (!highlight_rect.isValid())
        show_idle_frame(this);
    highlighted = false;
    update();
}

// Every release counts as a click, wherever the pointer is.
void button::mouseReleaseEvent(QMouseEvent*)
{
    // The standard release handling is skipped, so nothing else lifts the
    // button that the press put down.
    setDown(false);
    if (!highlight_rect.isValid())
        merge(this, "margin:0px 0px 0px 0px;border:2px solid rgb(222,222,222);");
    QTimer::singleShot(flash_milliseconds, this, &button::deaktivate_highlight);
    highlighted = true;
    update();
    emit clicked(false);
    emit released();
    emit toggled(isChecked());
}

void button::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!highlight_rect.isValid() || !highlighted)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(222, 222, 222, 255), 2));
    painter.drawRect(highlight_rect);
}

}
