#include "varo/message_box.h"

#include "varo/widget_resources.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include <initializer_list>
#include <utility>

namespace varo {

bool message_box::verbose = false;

namespace {

const char* const style_sheet =
    "* {background-color: rgb(47,47,47);color: rgb(198,213,210); }"
    "/*QAbstractButton { background-color: rgb(36,36,36);background-image: none;border-image: none; }*/"
    "QAbstractButton{padding-left:0.5em; padding-top: 0.5ex; padding-right: 0.5em; "
    "padding-bottom: 0.25ex; border-style:none;border-width:3px;"
    "border-image:url(:/gui/button/dark_normal.png) 3 stretch;}"
    "QAbstractButton::pressed{border-style:none;border-width:3px;"
    "border-image:url(:/gui/button/dark_pressed.png) 3 stretch;}"
    "QAbstractButton::hover{color:#f0f0f0;}"
    "QAbstractButton::disabled{color:rgba(129,136,133,50%);}";

const char* const icon_style_sheet = "background: none; background-color: rgb(47,47,47); color: rgb(184,196,191);";

using button_texts = std::initializer_list<std::pair<QMessageBox::StandardButton, QString>>;

QMessageBox::StandardButton run_box(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton default_button,
                                    button_texts texts = {})
{
    message_box box(icon, title, text, QMessageBox::NoButton, parent);
    box.prepare_buttons(buttons, default_button);
    for (const auto& [button, button_text] : texts)
        box.button(button)->setText(button_text);
    return box.exec_logged();
}

}

message_box::message_box(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    init_widget_resources();
    setStyleSheet(QLatin1String(style_sheet));
}

message_box::~message_box() = default;

void message_box::prepare_buttons(StandardButtons buttons, StandardButton default_button)
{
    if (auto* icon_label = findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        icon_label->setStyleSheet(QLatin1String(icon_style_sheet));
    for (uint value = FirstButton; value <= LastButton; value <<= 1) {
        if (!buttons.testFlag(StandardButton(value)))
            continue;
        QPushButton* added = addButton(StandardButton(value));
        if (defaultButton())
            continue;
        const bool is_default =
            default_button == NoButton ? buttonRole(added) == AcceptRole : value == uint(default_button);
        if (is_default)
            setDefaultButton(added);
    }
}

QMessageBox::StandardButton message_box::exec_logged()
{
    exec();
    // No clicked button means the box was closed some other way.
    QAbstractButton* clicked = clickedButton();
    if (verbose)
        qDebug("MessageBox \"%s\" \"%s\": %s", qUtf8Printable(windowTitle()), qUtf8Printable(text()),
               clicked ? qUtf8Printable(clicked->text()) : "Cancel");
    return clicked ? standardButton(clicked) : Cancel;
}

QMessageBox::StandardButton message_box::information(QWidget* parent, const QString& title, const QString& text,
                                                     StandardButtons buttons, StandardButton default_button)
{
    return run_box(Information, parent, title, text, buttons, default_button);
}

QMessageBox::StandardButton message_box::question(QWidget* parent, const QString& title, const QString& text,
                                                  StandardButtons buttons, StandardButton default_button)
{
    return run_box(Question, parent, title, text, buttons, default_button);
}

QMessageBox::StandardButton message_box::question(QWidget* parent, const QString& title, const QString& text,
                                                  const QString& yes_text, const QString& no_text,
                                                  StandardButton default_button)
{
    return run_box(Question, parent, title, text, Yes | No, default_button, {{Yes, yes_text}, {No, no_text}});
}

QMessageBox::StandardButton message_box::question(QWidget* parent, const QString& title, const QString& text,
                                                  const QString& yes_text, const QString& no_text,
                                                  const QString& cancel_text, StandardButton default_button)
{
    return run_box(Question, parent, title, text, Yes | No | Cancel, default_button,
                   {{Yes, yes_text}, {No, no_text}, {Cancel, cancel_text}});
}

QMessageBox::StandardButton message_box::question(QWidget* parent, const QString& title, const QString& text,
                                                  const QString& yes_text, const QString& no_text,
                                                  const QString& yes_to_all_text, const QString& no_to_all_text,
                                                  StandardButton default_button)
{
    return run_box(Question, parent, title, text, Yes | No | YesToAll | NoToAll, default_button,
                   {{Yes, yes_text}, {No, no_text}, {YesToAll, yes_to_all_text}, {NoToAll, no_to_all_text}});
}

QMessageBox::StandardButton message_box::warning(QWidget* parent, const QString& title, const QString& text,
                                                 StandardButtons buttons, StandardButton default_button)
{
    return run_box(Warning, parent, title, text, buttons, default_button);
}

QMessageBox::StandardButton message_box::critical(QWidget* parent, const QString& title, const QString& text,
                                                  StandardButtons buttons, StandardButton default_button)
{
    return run_box(Critical, parent, title, text, buttons, default_button);
}

QMessageBox::StandardButton message_box::critical(QWidget* parent, const QString& title, const QString& text,
                                                  const QString& yes_text, const QString& no_text,
                                                  StandardButton default_button)
{
    return run_box(Critical, parent, title, text, Yes | No, default_button, {{Yes, yes_text}, {No, no_text}});
}

}
