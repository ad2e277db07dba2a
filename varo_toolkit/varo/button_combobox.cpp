#include "varo/button_combobox.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace varo {

button_combobox::button_combobox(QWidget* parent) : QComboBox(parent) {}

void button_combobox::set_painter(std::function<void(QPainter&)> new_painter)
{
    painter = std::move(new_painter);
}

void button_combobox::set_text(QString const& text)
{
    label_text = text;
}

QString const& button_combobox::text() const
{
    return label_text;
}

void button_combobox::set_skip_next_popup(bool skip)
{
    skip_next_popup = skip;
}

void button_combobox::set_companion(QWidget* widget)
{
    companion = widget;
}

void button_combobox::showPopup()
{
    QComboBox::showPopup();
    if (skip_next_popup) {
        skip_next_popup = false;
        update();
        return;
    }
    toggle_companion();
}

void button_combobox::toggle_companion()
{
    if (!companion)
        return;
    if (companion->isHidden()) {
        companion->move(mapTo(window(), rect().bottomLeft()));
        companion->show();
        return;
    }
    companion->hide();
    hidePopup();
    update();
}

void button_combobox::mousePressEvent(QMouseEvent* event)
{
    QComboBox::mousePressEvent(event);
    emit clicked();
    update();
}

void button_combobox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (painter)
        painter(p);
}

}
