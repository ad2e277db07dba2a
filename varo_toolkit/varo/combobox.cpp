#include "varo/combobox.h"

#include "varo/widget_resources.h"

namespace varo {

combobox::combobox(bool ignore_wheel, QWidget* parent) : QComboBox(parent), ignore_wheel(ignore_wheel)
{
    init_widget_resources();
    setStyleSheet(QStringLiteral(
        "QComboBox{padding-left:0.2em;margin-top:0px;margin-bottom:0px;outline:0px;"
        "selection-background-color:rgb(200,210,200);font-size:12px;background-color:rgb(36,36,36);"
        "border: 1px solid rgb(99,99,99);selection-color:#000;}"
        "QComboBox QAbstractItemView{margin-top:0px;margin-bottom:0px;outline:0px;"
        "selection-background-color:rgb(200,210,200);background-color:rgb(36,36,36);"
        "border: 1px solid rgb(99,99,99);selection-color:#000;color:rgb(198,213,210);}"
        "QComboBox QAbstractItemView::item{padding-left:0.5em;}"
        "QComboBox::drop-down{outline:0px;selection-background-color:rgb(200,210,200);border-width:0px;"
        "border-left:1px solid rgb(99,99,99);}"
        "QComboBox::down-arrow{image:url(:/gui/combobox/arrow.png);width:20;}"
        "QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);}"
        "QScrollBar:vertical{border: none; background-color:rgb(47,47,47); width:11px; margin: 0px 0px 0px 0px; }"
        "QScrollBar::handle:vertical{border: 1px solid black; border-radius: 5px; background: rgb(0,0,0); "
        "min-height: 20px;}"
        "QScrollBar::add-line:vertical{background: black; height: 0px; subcontrol-position: bottom; "
        "subcontrol-origin: margin;}"
        "QScrollBar::sub-line:vertical{background: black; height: 0px; subcontrol-position: top; "
        "subcontrol-origin: margin;}"));
}

void combobox::mouseReleaseEvent(QMouseEvent* event)
{
    QComboBox::mouseReleaseEvent(event);
    emit clicked();
}

void combobox::wheelEvent(QWheelEvent* event)
{
    if (!ignore_wheel)
        QComboBox::wheelEvent(event);
}

}
