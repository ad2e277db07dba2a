#include "varo/application.h"
#include "varo/main_window.h"
#include "varo/proxy_style.h"

#include <QEvent>
#include <QMetaMethod>
#include <QPointer>
#include <QStyleFactory>

#include <gtest/gtest.h>

namespace {

// A main window that counts the events it is handed and rejects them.
class probe_window : public varo::main_window {
public:
    static inline const QEvent::Type probe_type = QEvent::Type(QEvent::registerEventType());
    int received = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != probe_type)
            return varo::main_window::event(e);
        ++received;
        return false;
    }
};

varo::application<probe_window>* app = nullptr;

// QApplication handles a user event itself and answers true.
bool send_probe()
{
    QEvent probe(probe_window::probe_type);
    return QCoreApplication::sendEvent(app, &probe);
}

TEST(application, without_a_window_events_get_the_applications_answer)
{
    app->window.clear();
    EXPECT_TRUE(send_probe());
}

TEST(application, a_shown_window_gets_every_application_event_and_gives_the_answer)
{
    probe_window window;
    app->window = &window;
    EXPECT_TRUE(send_probe()) << "hidden windows get nothing";
    EXPECT_EQ(window.received, 0);

    window.show();
    EXPECT_FALSE(send_probe());
    EXPECT_EQ(window.received, 1);

    window.showMinimized();
    EXPECT_FALSE(send_probe()) << "a minimised window is still visible";
    EXPECT_EQ(window.received, 2);

    window.hide();
    EXPECT_TRUE(send_probe());
    EXPECT_EQ(window.received, 2);
    app->window.clear();
}

TEST(application, a_window_deleted_on_close_clears_the_pointer)
{
    auto* window = new probe_window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    app->window = window;
    window->show();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(app->window.isNull());
    EXPECT_TRUE(send_probe());
}

TEST(main_window, passes_parent_and_flags_on)
{
    QWidget parent;
    auto* window = new varo::main_window(&parent, Qt::Tool);
    EXPECT_EQ(window->parentWidget(), &parent);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    EXPECT_STREQ(window->metaObject()->className(), "varo::main_window");
    EXPECT_EQ(window->metaObject()->superClass(), &QMainWindow::staticMetaObject);
}

TEST(proxy_style, starts_with_the_current_styles_tooltip_delays)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QStyle* current = QApplication::style();
    varo::proxy_style style;
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_WakeUpDelay), current->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_FallAsleepDelay),
              current->styleHint(QStyle::SH_ToolTip_FallAsleepDelay));
}

TEST(proxy_style, answers_its_four_hints_and_leaves_the_rest_to_the_base_style)
{
    varo::proxy_style style;
    style.set_tooltip_delay(2000);
    style.set_tooltip_cooldown(150);
    EXPECT_EQ(int(QStyle::SH_ComboBox_Popup), 25);
    EXPECT_EQ(int(QStyle::SH_Slider_AbsoluteSetButtons), 64);
    EXPECT_EQ(int(QStyle::SH_ToolTip_WakeUpDelay), 99);
    EXPECT_EQ(int(QStyle::SH_ToolTip_FallAsleepDelay), 100);
    EXPECT_EQ(style.styleHint(QStyle::SH_ComboBox_Popup), 0);
    EXPECT_EQ(style.styleHint(QStyle::SH_Slider_AbsoluteSetButtons), int(Qt::LeftButton));
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_WakeUpDelay), 2000);
    EXPECT_EQ(style.styleHint(QStyle::SH_ToolTip_FallAsleepDelay), 150);
    for (const QStyle::StyleHint hint :
         {QStyle::SH_DialogButtonLayout, QStyle::SH_Menu_SubMenuPopupDelay, QStyle::SH_LineEdit_PasswordCharacter})
        EXPECT_EQ(style.styleHint(hint), style.baseStyle()->styleHint(hint)) << hint;
}

TEST(proxy_style, installed_it_sets_the_applications_tooltip_delay)
{
    auto* style = new varo::proxy_style;
    style->set_tooltip_delay(2000);
    QApplication::setStyle(style);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 2000);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ComboBox_Popup), 0);
}

TEST(proxy_style, offers_its_setters_as_slots_in_order)
{
    const QMetaObject* meta = &varo::proxy_style::staticMetaObject;
    const int delay = meta->indexOfSlot("set_tooltip_delay(int)");
    const int cooldown = meta->indexOfSlot("set_tooltip_cooldown(int)");
    ASSERT_GE(delay, meta->methodOffset());
    EXPECT_EQ(cooldown, delay + 1);
}

}

int main(int argc, char** argv)
{
    varo::application<probe_window> application(argc, argv);
    app = &application;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
