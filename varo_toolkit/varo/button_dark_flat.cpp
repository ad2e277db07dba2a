#include "varo/button_dark_flat.h"

namespace varo {

button_dark_flat::button_dark_flat(QString const& text, QWidget* parent) : button_dark(text, parent)
{
    base_template =
        QStringLiteral("QPushButton{color:rgb(146,152,148);border-style:none;border-width:3px;"
                       "border-image:url(:/gui/button/blank_normal.png) 3 stretch;font-size:12px;}"
                       "QPushButton::hover{color:#d0d0d0;}"
                       "QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);"
                       "color:rgb(228,228,228);font-size:10px;}");
    checked_template = QStringLiteral(
        "QPushButton::checked      {color:rgb(228,228,228);}QPushButton::checked:hover{color:rgb(255,255,255);}");
    pressed_template = QStringLiteral("QPushButton::checked      {color:rgb(228,228,228);}");
    setContentsMargins(0, 0, 0, 0);
    update_stylesheet();
}

}
