#include "varo/message_box.h"

#include "message_capture.h"
#include "modal_script.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using button = QMessageBox::StandardButton;

const char* const box_sheet =
    "* {background-color: rgb(47,47,47);color: rgb(198,213,210); }/*QAbstractButton { "
    "background-color: rgb(36,36,36);background-image: none;border-image: none; "
    "}*/QAbstractButton{padding-left:0.5em; padding-top: 0.5ex; padding-right: 0.5em; "
    "padding-bottom: 0.25ex; border-style:none;border-width:3px;border-image:url(:/gui/button/"
    "dark_normal.png) 3 stretch;}QAbstractButton::pressed{border-style:none;border-width:3px;"
    "border-image:url(:/gui/button/dark_pressed.png) 3 "
    "stretch;}QAbstractButton::hover{color:#f0f0f0;}QAbstractButton::disabled{color:rgba(129,"
    "136,133,50%);}";

// What a running box shows: its buttons in the order they were added.
struct box_view {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    std::vector<button> buttons;
    QStringList texts;
    button default_button = QMessageBox::NoButton;
};

box_view view_of(QMessageBox* box)
{
    box_view view;
    view.icon = box->icon();
    view.title = box->windowTitle();
    view.text = box->text();
    for (QPushButton* pushed : box->findChildren<QPushButton*>()) {
        view.buttons.push_back(box->standardButton(pushed));
        view.texts << pushed->text();
    }
    if (box->defaultButton())
        view.default_button = box->standardButton(box->defaultButton());
    return view;
}

// Runs `show` while a script records the box and clicks `answer` (or, for
// NoButton, closes the box without a click).
std::pair<box_view, button> run(std::function<button()> show, button answer)
{
    box_view view;
    modal_script script;
    script.answer_as<QMessageBox>([&view, answer](QMessageBox& box) {
        view = view_of(&box);
        if (answer == QMessageBox::NoButton)
            box.done(-1);
        else
            box.button(answer)->click();
    });
    button result = QMessageBox::NoButton;
    run_answered(script, [&] { result = show(); });
    return {view, result};
}

std::vector<button> buttons_added(QMessageBox::StandardButtons buttons)
{
    varo::message_box box(QMessageBox::Information, "t", "x", QMessageBox::NoButton, nullptr);
    box.prepare_buttons(buttons, QMessageBox::NoButton);
    std::vector<button> added;
    for (QPushButton* pushed : box.findChildren<QPushButton*>())
        added.push_back(box.standardButton(pushed));
    return added;
}

TEST(message_box, has_the_dark_style_sheet_and_the_message_box_window_flags)
{
    QWidget parent;
    varo::message_box box(QMessageBox::Warning, "Title", "Text", QMessageBox::Ok, &parent);
    EXPECT_EQ(box.styleSheet(), QLatin1String(box_sheet));
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    EXPECT_EQ(box.windowTitle(), "Title");
    EXPECT_EQ(box.text(), "Text");
    EXPECT_EQ(box.parentWidget(), &parent);
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::Dialog));
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
}

TEST(message_box, prepare_buttons_styles_the_icon_label)
{
    varo::message_box box(QMessageBox::Question, "t", "x", QMessageBox::NoButton, nullptr);
    box.prepare_buttons(QMessageBox::Ok, QMessageBox::NoButton);
    auto* label = box.findChild<QLabel*>("qt_msgboxex_icon_label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->styleSheet(), "background: none; background-color: rgb(47,47,47); color: rgb(184,196,191);");
}

TEST(message_box, prepare_buttons_adds_in_ascending_value_order)
{
    EXPECT_EQ(buttons_added(QMessageBox::NoToAll | QMessageBox::No | QMessageBox::YesToAll | QMessageBox::Yes),
              (std::vector<button>{QMessageBox::Yes, QMessageBox::YesToAll, QMessageBox::No, QMessageBox::NoToAll}));
    EXPECT_EQ(buttons_added(QMessageBox::RestoreDefaults | QMessageBox::Cancel | QMessageBox::Ok),
              (std::vector<button>{QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::RestoreDefaults}));
}

TEST(message_box, the_default_is_the_given_button_or_the_first_accepting_one)
{
    const struct {
        QMessageBox::StandardButtons buttons;
        button given;
        button chosen;
    } cases[] = {
        {QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::Ok},
        {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoButton, QMessageBox::Ok},
        {QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton, QMessageBox::NoButton},
        {QMessageBox::Save | QMessageBox::Open, QMessageBox::NoButton, QMessageBox::Save},
        {QMessageBox::Discard | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::NoButton, QMessageBox::Retry},
        {QMessageBox::Apply | QMessageBox::Help, QMessageBox::NoButton, QMessageBox::NoButton},
        {QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No},
        {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Cancel},
        {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::NoButton},
    };
    for (const auto& c : cases) {
        varo::message_box box(QMessageBox::Question, "t", "x", QMessageBox::NoButton, nullptr);
        box.prepare_buttons(c.buttons, c.given);
        const button chosen = box.defaultButton() ? box.standardButton(box.defaultButton()) : QMessageBox::NoButton;
        EXPECT_EQ(chosen, c.chosen) << "buttons " << int(c.buttons) << ", given " << c.given;
    }
}

TEST(message_box, the_four_text_question_puts_the_texts_on_yes_no_yes_to_all_and_no_to_all)
{
    const auto [view, result] = run(
        [] {
            return varo::message_box::question(nullptr, "Title", "Text", "Convert", "Skip", "Convert All", "Skip All",
                                               QMessageBox::Yes);
        },
        QMessageBox::YesToAll);
    EXPECT_EQ(view.icon, QMessageBox::Question);
    EXPECT_EQ(view.buttons,
              (std::vector<button>{QMessageBox::Yes, QMessageBox::YesToAll, QMessageBox::No, QMessageBox::NoToAll}));
    EXPECT_EQ(view.texts, (QStringList{"Convert", "Convert All", "Skip", "Skip All"}));
    EXPECT_EQ(view.default_button, QMessageBox::Yes);
    EXPECT_EQ(result, QMessageBox::YesToAll);
}

TEST(message_box, every_static_function_shows_its_icon_buttons_and_texts)
{
    QWidget parent;
    const struct {
        const char* name;
        std::function<button()> show;
        QMessageBox::Icon icon;
        std::vector<button> buttons;
        QStringList texts;
        button default_button;
        button answer;
    } cases[] = {
        {"information",
         [&] { return varo::message_box::information(&parent, "T", "X", QMessageBox::Ok, QMessageBox::NoButton); },
         QMessageBox::Information,
         {QMessageBox::Ok},
         {},
         QMessageBox::Ok,
         QMessageBox::Ok},
        {"question with buttons",
         [&] {
             return varo::message_box::question(&parent, "T", "X", QMessageBox::Yes | QMessageBox::No,
                                                QMessageBox::NoButton);
         },
         QMessageBox::Question,
         {QMessageBox::Yes, QMessageBox::No},
         {},
         QMessageBox::NoButton,
         QMessageBox::No},
        {"question with two texts",
         [&] { return varo::message_box::question(&parent, "T", "X", "Go on", "Stop", QMessageBox::Yes); },
         QMessageBox::Question,
         {QMessageBox::Yes, QMessageBox::No},
         {"Go on", "Stop"},
         QMessageBox::Yes,
         QMessageBox::No},
        {"question with three texts",
         [&] { return varo::message_box::question(&parent, "T", "X", "A", "B", "C", QMessageBox::Cancel); },
         QMessageBox::Question,
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
         {"A", "B", "C"},
         QMessageBox::Cancel,
         QMessageBox::Cancel},
        {"warning",
         [&] {
             return varo::message_box::warning(&parent, "T", "X", QMessageBox::Ok | QMessageBox::Cancel,
                                               QMessageBox::Cancel);
         },
         QMessageBox::Warning,
         {QMessageBox::Ok, QMessageBox::Cancel},
         {},
         QMessageBox::Cancel,
         QMessageBox::Ok},
        {"critical with buttons",
         [&] { return varo::message_box::critical(&parent, "T", "X", QMessageBox::Ok, QMessageBox::NoButton); },
         QMessageBox::Critical,
         {QMessageBox::Ok},
         {},
         QMessageBox::Ok,
         QMessageBox::Ok},
        {"critical with two texts",
         [&] { return varo::message_box::critical(&parent, "T", "X", "Retry it", "Give up", QMessageBox::NoButton); },
         QMessageBox::Critical,
         {QMessageBox::Yes, QMessageBox::No},
         {"Retry it", "Give up"},
         QMessageBox::NoButton,
         QMessageBox::Yes},
    };
    for (const auto& c : cases) {
        const auto [view, result] = run(c.show, c.answer);
        EXPECT_EQ(view.icon, c.icon) << c.name;
        EXPECT_EQ(view.title, "T") << c.name;
        EXPECT_EQ(view.text, "X") << c.name;
        EXPECT_EQ(view.buttons, c.buttons) << c.name;
        if (!c.texts.isEmpty()) {
            EXPECT_EQ(view.texts, c.texts) << c.name;
        }
        EXPECT_EQ(view.default_button, c.default_button) << c.name;
        EXPECT_EQ(result, c.answer) << c.name;
    }
}

TEST(message_box, a_box_closed_without_a_click_answers_cancel)
{
    const struct {
        const char* name;
        std::function<void(QMessageBox&)> close;
    } closers[] = {
        {"done(-1)", [](QMessageBox& box) { box.done(-1); }},
        {"reject", [](QMessageBox& box) { box.reject(); }},
    };
    for (const auto& closer : closers) {
        for (const QMessageBox::StandardButtons buttons :
             {QMessageBox::StandardButtons(QMessageBox::Ok), QMessageBox::Yes | QMessageBox::No}) {
            modal_script script;
            script.answer_as<QMessageBox>(closer.close);
            button answer = QMessageBox::NoButton;
            run_answered(script, [&] {
                answer = varo::message_box::question(nullptr, "T", "X", buttons, QMessageBox::NoButton);
            });
            EXPECT_EQ(answer, QMessageBox::Cancel) << closer.name;
        }
    }
}

class verbose_box : public ::testing::Test {
protected:
    ~verbose_box() override { varo::message_box::verbose = false; }

    const message_capture log;
};

TEST_F(verbose_box, logs_title_text_and_the_clicked_button)
{
    varo::message_box::verbose = true;
    run(
        [] {
            return varo::message_box::question(nullptr, "Übersicht", "Convert \"a\"?", "Convert", "Skip", "Convert All",
                                               "Skip All", QMessageBox::Yes);
        },
        QMessageBox::YesToAll);
    run([] { return varo::message_box::information(nullptr, "T", "X", QMessageBox::Ok, QMessageBox::NoButton); },
        QMessageBox::NoButton);
    EXPECT_EQ(log.texts(QtDebugMsg), (QStringList{"MessageBox \"Übersicht\" \"Convert \"a\"?\": Convert All",
                                                  "MessageBox \"T\" \"X\": Cancel"}));
}

TEST_F(verbose_box, logs_nothing_while_clear)
{
    run([] { return varo::message_box::information(nullptr, "T", "X", QMessageBox::Ok, QMessageBox::NoButton); },
        QMessageBox::Ok);
    EXPECT_TRUE(log.texts(QtDebugMsg).isEmpty());
}

}
