#include "varo/style_dialog.h"

#include "varo/widget_resources.h"

#include <QInputDialog>
#include <QString>

namespace varo {

namespace {

char const* const dark_sheet =
    "* {background: none;background-color: rgb(47,47,47);border-image: none;color: rgb(198,213,210); }"
    "/*QAbstractButton { background-color: rgb(99,99,99); }*/"
    "QAbstractButton{padding-left:0.5em; padding-top: 0.5ex; padding-right: 0.5em; padding-bottom: 0.25ex; border-style:none;border-width:3px;border-image:url(:/gui/button/dark_normal.png) 3 stretch;}"
    "QAbstractButton::pressed{border-style:none;border-width:3px;border-image:url(:/gui/button/dark_pressed.png) 3 stretch;}"
    "QAbstractButton::hover{color:#f0f0f0;}"
    "QAbstractButton::disabled{color:rgba(129,136,133,50%);}"
    "QLineEdit { border: 1px solid rgb(99,99,99); background-color: rgb(38,38,38); }"
    "QComboBox{padding-left:0.2em;margin-top:0px;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200);font-size:12px;background-color:rgb(36,36,36);border: 1px solid rgb(99,99,99);selection-color:#000;}"
    "QComboBox QAbstractItemView{margin-top:0px;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200);background-color:rgb(36,36,36);border: 1px solid rgb(99,99,99);selection-color:#000;}"
    "QComboBox QAbstractItemView::item{padding-left:0.5em;}"
    "QComboBox::drop-down{outline:0px;selection-background-color:rgb(200,210,200);border-width:0px;border-left:1px solid rgb(99,99,99);}"
    "QComboBox::down-arrow{image:url(:/gui/combobox/arrow.png);width:20;}"
    "QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);}"
    "QScrollBar:vertical{border: none; background-color:rgb(47,47,47); width:11px; margin: 0px 0px 0px 0px; }"
    "QScrollBar::handle:vertical{border: 1px solid black; border-radius: 5px; background: rgb(0,0,0); min-height: 20px;}"
    "QScrollBar::add-line:vertical{background: black; height: 0px; subcontrol-position: bottom; subcontrol-origin: margin;}"
    "QScrollBar::sub-line:vertical{background: black; height: 0px; subcontrol-position: top; subcontrol-origin: margin;}";

char const* const flat_sheet =
    "* {background: none;background-color: rgb(47,47,47);border-image: none;color: rgb(198,213,210); }"
    "QAbstractButton{padding-left:0.5em; padding-top: 0.5ex; padding-right: 0.5em; padding-bottom: 0.25ex; border:none;}"
    "QAbstractButton::pressed{border-style:none;border:none;}"
    "QAbstractButton::hover{color:#f0f0f0;}"
    "QAbstractButton::disabled{color:rgba(129,136,133,50%);}"
    "QLineEdit {background:rgb(38,38,38);color:rgb(220,220,220);border:none;selection-background-color:rgb(198,213,210);selection-color:#000;}"
    "QComboBox{padding-left:0.2em;margin-top:0px;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200);font-size:12px;background-color:rgb(36,36,36);border:none;selection-color:#000;color:rgb(160,160,160);}"
    "QComboBox QAbstractItemView{margin-top:0px;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200);background-color:rgb(36,36,36);border:none;selection-color:#000;color:rgb(198,213,210);}"
    "QComboBox QAbstractItemView::item{padding-left:0.5em;}"
    "QComboBox::drop-down{outline:0px;selection-background-color:rgb(200,210,200);border:none;}"
    "QComboBox::down-arrow{image:url(:/gui/combobox/arrow.png);width:20;}"
    "QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);}"
    "QScrollBar:vertical{border: none; background-color:rgb(47,47,47); width:11px; margin: 0px 0px 0px 0px; }"
    "QScrollBar::handle:vertical{border: 1px solid black; border-radius: 5px; background: rgb(0,0,0); min-height: 20px;}"
    "QScrollBar::add-line:vertical{background: black; height: 0px; subcontrol-position: bottom; subcontrol-origin: margin;}"
    "QScrollBar::sub-line:vertical{background: black; height: 0px; subcontrol-position: top; subcontrol-origin: margin;}";

void apply(QInputDialog& dialog, char const* sheet)
{
    init_widget_resources();
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setStyleSheet(QString::fromLatin1(sheet));
}

}

void style_dialog(QInputDialog& dialog)
{
    apply(dialog, dark_sheet);
}

void style_dialog_flat(QInputDialog& dialog)
{
    apply(dialog, flat_sheet);
}

}
