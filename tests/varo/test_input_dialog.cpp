#include "varo/input_dialog.h"
#include "varo/style_dialog.h"

#include "modal_script.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <utility>

namespace {

QString const dark_sheet = QStringLiteral(
    "* {background: none;background-color: rgb(47,47,47);border-image: none;color: rgb(198,213,210); }/*QAbstract"
    "Button { background-color: rgb(99,99,99); }*/QAbstractButton{padding-left:0.5em; padding-top: 0.5ex; padding"
    "-right: 0.5em; padding-bottom: 0.25ex; border-style:none;border-width:3px;border-image:url(:/gui/button/dark"
    "_normal.png) 3 stretch;}QAbstractButton::pressed{border-style:none;border-width:3px;border-image:url(:/gui/b"
    "utton/dark_pressed.png) 3 stretch;}QAbstractButton::hover{color:#f0f0f0;}QAbstractButton::disabled{color:rgb"
    "a(129,136,133,50%);}QLineEdit { border: 1px solid rgb(99,99,99); background-color: rgb(38,38,38); }QComboBox"
    "{padding-left:0.2em;margin-top:0px;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200)"
    ";font-size:12px;background-color:rgb(36,36,36);border: 1px solid rgb(99,99,99);selection-color:#000;}QComboB"
    "ox QAbstractItemView{margin-top:0px;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200"
    ");background-color:rgb(36,36,36);border: 1px solid rgb(99,99,99);selection-color:#000;}QComboBox QAbstractIt"
    "emView::item{padding-left:0.5em;}QComboBox::drop-down{outline:0px;selection-background-color:rgb(200,210,200"
    ");border-width:0px;border-left:1px solid rgb(99,99,99);}QComboBox::down-arrow{image:url(:/gui/combobox/arrow"
    ".png);width:20;}QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47)"
    ";}QScrollBar:vertical{border: none; background-color:rgb(47,47,47); width:11px; margin: 0px 0px 0px 0px; }QS"
    "crollBar::handle:vertical{border: 1px solid black; border-radius: 5px; background: rgb(0,0,0); min-height: 2"
    "0px;}QScrollBar::add-line:vertical{background: black; height: 0px; subcontrol-position: bottom; subcontrol-o"
    "rigin: margin;}QScrollBar::sub-line:vertical{background: black; height: 0px; subcontrol-position: top; subco"
    "ntrol-origin: margin;}");

QString const flat_sheet = QStringLiteral(
    "* {background: none;background-color: rgb(47,47,47);border-image: none;color: rgb(198,213,210); }QAbstractBu"
    "tton{padding-left:0.5em; padding-top: 0.5ex; padding-right: 0.5em; padding-bottom: 0.25ex; border:none;}QAbs"
    "tractButton::pressed{border-style:none;border:none;}QAbstractButton::hover{color:#f0f0f0;}QAbstractButton::d"
    "isabled{color:rgba(129,136,133,50%);}QLineEdit {background:rgb(38,38,38);color:rgb(220,220,220);border:none;"
    "selection-background-color:rgb(198,213,210);selection-color:#000;}QComboBox{padding-left:0.2em;margin-top:0p"
    "x;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200);font-size:12px;background-color:"
    "rgb(36,36,36);border:none;selection-color:#000;color:rgb(160,160,160);}QComboBox QAbstractItemView{margin-to"
    "p:0px;margin-bottom:0px;outline:0px;selection-background-color:rgb(200,210,200);background-color:rgb(36,36,3"
    "6);border:none;selection-color:#000;color:rgb(198,213,210);}QComboBox QAbstractItemView::item{padding-left:0"
    ".5em;}QComboBox::drop-down{outline:0px;selection-background-color:rgb(200,210,200);border:none;}QComboBox::d"
    "own-arrow{image:url(:/gui/combobox/arrow.png);width:20;}QToolTip{border:1px solid rgb(99,99,99);background-i"
    "mage:none;background-color:rgb(47,47,47);}QScrollBar:vertical{border: none; background-color:rgb(47,47,47); "
    "width:11px; margin: 0px 0px 0px 0px; }QScrollBar::handle:vertical{border: 1px solid black; border-radius: 5p"
    "x; background: rgb(0,0,0); min-height: 20px;}QScrollBar::add-line:vertical{background: black; height: 0px; s"
    "ubcontrol-position: bottom; subcontrol-origin: margin;}QScrollBar::sub-line:vertical{background: black; heig"
    "ht: 0px; subcontrol-position: top; subcontrol-origin: margin;}");

Qt::WindowFlags const asked_flags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint | Qt::WindowStaysOnTopHint;

// Runs `ask` while `answer` handles the input dialog it opens; `answer`
// closes it. What `ask` returned.
template <class Ask>
auto answered(std::function<void(QInputDialog&)> answer, Ask ask) -> decltype(ask())
{
    modal_script script;
    script.answer_as<QInputDialog>(std::move(answer));
    decltype(ask()) result{};
    run_answered(script, [&] { result = ask(); });
    return result;
}

// What the dialog looked like when it was answered.
struct seen_dialog {
    QWidget* parent = nullptr;
    QString sheet;
    Qt::WindowFlags flags;
    QString title;
    QString label;
};

seen_dialog look_of(QInputDialog& dialog)
{
    return {dialog.parentWidget(), dialog.styleSheet(), dialog.windowFlags(), dialog.windowTitle(), dialog.labelText()};
}

void expect_framed_look(seen_dialog const& seen, QWidget* parent)
{
    EXPECT_EQ(seen.parent, parent);
    EXPECT_EQ(seen.sheet, dark_sheet);
    EXPECT_FALSE(seen.flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(seen.flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(seen.title, QStringLiteral("Title"));
    EXPECT_EQ(seen.label, QStringLiteral("Label"));
}

TEST(style_dialog, framed_look_sets_the_dark_sheet_and_drops_context_help)
{
    QInputDialog dialog(nullptr, asked_flags);
    varo::style_dialog(dialog);
    EXPECT_EQ(dialog.styleSheet(), dark_sheet);
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(style_dialog, flat_look_sets_the_flat_sheet_and_drops_context_help)
{
    QInputDialog dialog(nullptr, asked_flags);
    varo::style_dialog_flat(dialog);
    EXPECT_EQ(dialog.styleSheet(), flat_sheet);
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

// A border image that fails to load leaves the buttons' frames silently
// unpainted, so the rendered edge must show the resource's own edge colour.
TEST(style_dialog, framed_buttons_render_from_the_toolkit_images)
{
    QInputDialog dialog(nullptr, asked_flags);
    varo::style_dialog(dialog);
    QImage const border(QStringLiteral(":/gui/button/dark_normal.png"));
    ASSERT_FALSE(border.isNull()) << "the toolkit's images are not registered";
    dialog.show();
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ASSERT_NE(ok, nullptr);
    QImage const face = ok->grab().toImage();
    EXPECT_EQ(face.pixel(0, face.height() / 2), border.pixel(0, border.height() / 2));
}

TEST(input_dialog, get_double_sets_decimals_range_and_value_and_returns_the_choice)
{
    QWidget parent;
    seen_dialog seen;
    int decimals = 0;
    double minimum = 0;
    double maximum = 0;
    double shown = 0;
    auto const answer = [&](QInputDialog& dialog) {
        seen = look_of(dialog);
        decimals = dialog.doubleDecimals();
        minimum = dialog.doubleMinimum();
        maximum = dialog.doubleMaximum();
        shown = dialog.doubleValue();
        dialog.setDoubleValue(-1.25);
        dialog.accept();
    };
    bool ok = false;
    double const value = answered(answer, [&] {
        return varo::input_dialog::get_double(&parent, QStringLiteral("Title"), QStringLiteral("Label"), 2.5, -3, 7, 2,
                                              &ok, asked_flags);
    });
    expect_framed_look(seen, &parent);
    EXPECT_EQ(decimals, 2);
    EXPECT_EQ(minimum, -3);
    EXPECT_EQ(maximum, 7);
    EXPECT_EQ(shown, 2.5);
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, -1.25);
}

TEST(input_dialog, get_double_cancelled_returns_the_given_value)
{
    auto const answer = [](QInputDialog& dialog) {
        dialog.setDoubleValue(4);
        dialog.reject();
    };
    bool ok = true;
    double const value = answered(answer, [&] {
        return varo::input_dialog::get_double(nullptr, QString(), QString(), 2.5, 0, 10, 1, &ok, Qt::WindowFlags());
    });
    EXPECT_EQ(value, 2.5);
    EXPECT_FALSE(ok);
}

TEST(input_dialog, get_int_sets_range_value_and_step_and_returns_the_choice)
{
    QWidget parent;
    seen_dialog seen;
    int minimum = 0;
    int maximum = 0;
    int shown = 0;
    int step = 0;
    auto const answer = [&](QInputDialog& dialog) {
        seen = look_of(dialog);
        minimum = dialog.intMinimum();
        maximum = dialog.intMaximum();
        shown = dialog.intValue();
        step = dialog.intStep();
        dialog.setIntValue(40);
        dialog.accept();
    };
    bool ok = false;
    int const value = answered(answer, [&] {
        return varo::input_dialog::get_int(&parent, QStringLiteral("Title"), QStringLiteral("Label"), 15, 5, 50, 5, &ok,
                                           asked_flags);
    });
    expect_framed_look(seen, &parent);
    EXPECT_EQ(minimum, 5);
    EXPECT_EQ(maximum, 50);
    EXPECT_EQ(shown, 15);
    EXPECT_EQ(step, 5);
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, 40);
}

TEST(input_dialog, get_int_cancelled_returns_the_given_value_without_ok)
{
    auto const answer = [](QInputDialog& dialog) {
        dialog.setIntValue(9);
        dialog.reject();
    };
    int const value = answered(answer, [] {
        return varo::input_dialog::get_int(nullptr, QString(), QString(), 3, 0, 10, 1, nullptr, Qt::WindowFlags());
    });
    EXPECT_EQ(value, 3);
}

QStringList const colours = {QStringLiteral("red"), QStringLiteral("green"), QStringLiteral("blue")};

TEST(input_dialog, get_item_starts_at_the_current_item_and_returns_the_choice)
{
    QWidget parent;
    seen_dialog seen;
    QStringList items;
    QString shown;
    bool editable = false;
    Qt::InputMethodHints hints;
    auto const answer = [&](QInputDialog& dialog) {
        seen = look_of(dialog);
        items = dialog.comboBoxItems();
        shown = dialog.textValue();
        editable = dialog.isComboBoxEditable();
        hints = dialog.inputMethodHints();
        dialog.setTextValue(QStringLiteral("blue"));
        dialog.accept();
    };
    bool ok = false;
    QString const value = answered(answer, [&] {
        return varo::input_dialog::get_item(&parent, QStringLiteral("Title"), QStringLiteral("Label"), colours, 1, true,
                                            &ok, asked_flags, Qt::ImhNoPredictiveText);
    });
    expect_framed_look(seen, &parent);
    EXPECT_EQ(items, colours);
    EXPECT_EQ(shown, QStringLiteral("green"));
    EXPECT_TRUE(editable);
    EXPECT_EQ(hints, Qt::ImhNoPredictiveText);
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, QStringLiteral("blue"));
}

TEST(input_dialog, get_item_cancelled_returns_the_initial_text)
{
    struct item_case {
        int current;
        QString initial;
    };
    item_case const cases[] = {
        {0, QStringLiteral("red")},
        {2, QStringLiteral("blue")},
        {-1, QString()},
        {3, QString()},
    };
    for (item_case const& item : cases) {
        QString shown = QStringLiteral("unset");
        bool editable = true;
        auto const answer = [&](QInputDialog& dialog) {
            shown = dialog.textValue();
            editable = dialog.isComboBoxEditable();
            dialog.reject();
        };
        bool ok = true;
        QString const value = answered(answer, [&] {
            return varo::input_dialog::get_item(nullptr, QString(), QString(), colours, item.current, true, &ok,
                                                Qt::WindowFlags(), Qt::ImhNone);
        });
        EXPECT_EQ(shown, item.initial) << item.current;
        EXPECT_TRUE(editable);
        EXPECT_FALSE(ok);
        EXPECT_EQ(value, item.initial) << item.current;
    }
}

TEST(input_dialog, get_multi_line_text_uses_a_plain_text_editor)
{
    QWidget parent;
    seen_dialog seen;
    bool plain_text = false;
    bool has_editor = false;
    QString shown;
    Qt::InputMethodHints hints;
    auto const answer = [&](QInputDialog& dialog) {
        seen = look_of(dialog);
        plain_text = dialog.testOption(QInputDialog::UsePlainTextEditForTextInput);
        has_editor = dialog.findChild<QPlainTextEdit*>() != nullptr;
        shown = dialog.textValue();
        hints = dialog.inputMethodHints();
        dialog.setTextValue(QStringLiteral("two\nlines"));
        dialog.accept();
    };
    bool ok = false;
    QString const value = answered(answer, [&] {
        return varo::input_dialog::get_multi_line_text(&parent, QStringLiteral("Title"), QStringLiteral("Label"),
                                                       QStringLiteral("start"), &ok, asked_flags, Qt::ImhDigitsOnly);
    });
    expect_framed_look(seen, &parent);
    EXPECT_TRUE(plain_text);
    EXPECT_TRUE(has_editor);
    EXPECT_EQ(shown, QStringLiteral("start"));
    EXPECT_EQ(hints, Qt::ImhDigitsOnly);
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, QStringLiteral("two\nlines"));
}

TEST(input_dialog, get_multi_line_text_cancelled_returns_empty)
{
    bool ok = true;
    QString const value = answered([](QInputDialog& dialog) { dialog.reject(); },
                                   [&] {
                                       return varo::input_dialog::get_multi_line_text(nullptr, QString(), QString(),
                                                                                      QStringLiteral("start"), &ok,
                                                                                      Qt::WindowFlags(), Qt::ImhNone);
                                   });
    EXPECT_EQ(value, QString());
    EXPECT_FALSE(ok);
}

QString button_text(QInputDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box && box->button(which) ? box->button(which)->text() : QStringLiteral("missing");
}

TEST(input_dialog, get_text_sets_text_echo_hints_and_button_texts)
{
    QWidget parent;
    seen_dialog seen;
    QString shown;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    Qt::InputMethodHints hints;
    QString ok_text;
    QString cancel_text;
    auto const answer = [&](QInputDialog& dialog) {
        seen = look_of(dialog);
        shown = dialog.textValue();
        echo = dialog.textEchoMode();
        hints = dialog.inputMethodHints();
        ok_text = button_text(dialog, QDialogButtonBox::Ok);
        cancel_text = button_text(dialog, QDialogButtonBox::Cancel);
        dialog.setTextValue(QStringLiteral("secret"));
        dialog.accept();
    };
    bool ok = false;
    QString const value = answered(answer, [&] {
        return varo::input_dialog::get_text(&parent, QStringLiteral("Title"), QStringLiteral("Label"),
                                            QLineEdit::Password, QStringLiteral("start"), &ok, asked_flags,
                                            Qt::ImhHiddenText, QStringLiteral("Apply"), QStringLiteral("Leave"));
    });
    expect_framed_look(seen, &parent);
    EXPECT_EQ(shown, QStringLiteral("start"));
    EXPECT_EQ(echo, QLineEdit::Password);
    EXPECT_EQ(hints, Qt::ImhHiddenText);
    EXPECT_EQ(ok_text, QStringLiteral("Apply"));
    EXPECT_EQ(cancel_text, QStringLiteral("Leave"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, QStringLiteral("secret"));
}

TEST(input_dialog, get_text_with_empty_button_texts_keeps_qts_own)
{
    QDialogButtonBox const plain(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QString const qt_ok = plain.button(QDialogButtonBox::Ok)->text();
    QString const qt_cancel = plain.button(QDialogButtonBox::Cancel)->text();

    QString ok_text;
    QString cancel_text;
    auto const answer = [&](QInputDialog& dialog) {
        ok_text = button_text(dialog, QDialogButtonBox::Ok);
        cancel_text = button_text(dialog, QDialogButtonBox::Cancel);
        dialog.setTextValue(QStringLiteral("typed"));
        dialog.reject();
    };
    bool ok = true;
    QString const value = answered(answer, [&] {
        return varo::input_dialog::get_text(nullptr, QString(), QString(), QLineEdit::Normal, QStringLiteral("start"),
                                            &ok, Qt::WindowFlags(), Qt::ImhNone, QString(), QString());
    });
    EXPECT_EQ(value, QString());
    EXPECT_FALSE(ok);
    EXPECT_EQ(ok_text, qt_ok);
    EXPECT_EQ(cancel_text, qt_cancel);
}

// Switches every later dialog to the flat look while it lives.
class flat_style {
public:
    flat_style() { varo::input_dialog::new_flat_style = true; }
    ~flat_style() { varo::input_dialog::new_flat_style = false; }
    flat_style(flat_style const&) = delete;
    flat_style& operator=(flat_style const&) = delete;
};

TEST(input_dialog, framed_look_is_the_default)
{
    EXPECT_FALSE(varo::input_dialog::new_flat_style);
}

TEST(input_dialog, flat_style_switch_gives_every_getter_the_flat_look)
{
    std::function<void()> const getters[] = {
        [] { varo::input_dialog::get_double(nullptr, QString(), QString(), 0, 0, 1, 1, nullptr, Qt::WindowFlags()); },
        [] { varo::input_dialog::get_int(nullptr, QString(), QString(), 0, 0, 1, 1, nullptr, Qt::WindowFlags()); },
        [] {
            varo::input_dialog::get_item(nullptr, QString(), QString(), colours, 0, false, nullptr, Qt::WindowFlags(),
                                         Qt::ImhNone);
        },
        [] {
            varo::input_dialog::get_multi_line_text(nullptr, QString(), QString(), QString(), nullptr,
                                                    Qt::WindowFlags(), Qt::ImhNone);
        },
        [] {
            varo::input_dialog::get_text(nullptr, QString(), QString(), QLineEdit::Normal, QString(), nullptr,
                                         Qt::WindowFlags(), Qt::ImhNone, QString(), QString());
        },
    };
    flat_style flat;
    int index = 0;
    for (auto const& run_getter : getters) {
        seen_dialog seen;
        modal_script script;
        script.answer_as<QInputDialog>([&seen](QInputDialog& dialog) {
            seen = look_of(dialog);
            dialog.reject();
        });
        run_answered(script, run_getter);
        EXPECT_EQ(seen.sheet, flat_sheet) << "getter " << index;
        EXPECT_FALSE(seen.flags.testFlag(Qt::WindowContextHelpButtonHint)) << "getter " << index;
        ++index;
    }
}

}
