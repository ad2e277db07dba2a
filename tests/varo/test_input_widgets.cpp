#include "varo/button_combobox.h"
#include "varo/checkbox.h"
#include "varo/checkbox_flat.h"
#include "varo/combobox.h"
#include "varo/combobox_lineedit.h"
#include "varo/lineedit.h"
#include "varo/radio.h"
#include "varo/textedit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

QString const tooltip_rule =
    QStringLiteral("QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);}");

QString lineedit_sheet(QString const& rgb)
{
    return QStringLiteral(
               "varo--lineedit{    background:rgb(38,38,38);    color:rgb(198,213,210);    border: 1px solid rgb(")
           + rgb
           + QStringLiteral(");    selection-background-color:rgb(198,213,210);    selection-color: #000;}"
                            "varo--lineedit:disabled{    border: 1px solid rgb(75,75,75);    background: rgb(47,47,47);"
                            "    color: rgb(100,100,100);}")
           + tooltip_rule;
}

bool contains_colour(QImage const& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

TEST(lineedit, starts_with_the_grey_border_sheet)
{
    varo::lineedit edit(nullptr);
    EXPECT_EQ(edit.styleSheet(), lineedit_sheet(QStringLiteral("99,99,99")));
    EXPECT_EQ(edit.border, QColor(99, 99, 99, 255));
    EXPECT_EQ(edit.base_border, QColor(99, 99, 99, 255));
    EXPECT_FALSE(edit.testAttribute(Qt::WA_MacShowFocusRect));
    EXPECT_TRUE(edit.text().isEmpty());
}

TEST(lineedit, update_style_takes_the_current_border)
{
    varo::lineedit edit(nullptr);
    edit.border = QColor(10, 20, 30);
    edit.update_style();
    EXPECT_EQ(edit.styleSheet(), lineedit_sheet(QStringLiteral("10,20,30")));
    EXPECT_EQ(edit.base_border, QColor(99, 99, 99));
}

TEST(lineedit, class_selector_reaches_the_widget)
{
    varo::lineedit edit(nullptr);
    edit.resize(80, 22);
    QImage const enabled = edit.grab().toImage();
    EXPECT_EQ(enabled.pixel(0, 11), qRgb(99, 99, 99));
    EXPECT_EQ(enabled.pixel(40, 11), qRgb(38, 38, 38));
    edit.setReadOnly(true);
    EXPECT_EQ(edit.grab().toImage().pixel(40, 11), qRgb(38, 38, 38));
    edit.setEnabled(false);
    QImage const disabled = edit.grab().toImage();
    EXPECT_EQ(disabled.pixel(0, 11), qRgb(75, 75, 75));
    EXPECT_EQ(disabled.pixel(40, 11), qRgb(47, 47, 47));
}

TEST(combobox, applies_the_exact_sheet)
{
    varo::combobox box(true, nullptr);
    EXPECT_EQ(
        box.styleSheet(),
        QStringLiteral(
            "QComboBox{padding-left:0.2em;margin-top:0px;margin-bottom:0px;outline:0px;selection-background-color:"
            "rgb(200,210,200);font-size:12px;background-color:rgb(36,36,36);border: 1px solid rgb(99,99,99);"
            "selection-color:#000;}QComboBox QAbstractItemView{margin-top:0px;margin-bottom:0px;outline:0px;"
            "selection-background-color:rgb(200,210,200);background-color:rgb(36,36,36);border: 1px solid "
            "rgb(99,99,99);selection-color:#000;color:rgb(198,213,210);}QComboBox QAbstractItemView::item{"
            "padding-left:0.5em;}QComboBox::drop-down{outline:0px;selection-background-color:rgb(200,210,200);"
            "border-width:0px;border-left:1px solid rgb(99,99,99);}QComboBox::down-arrow{image:url(:/gui/"
            "combobox/arrow.png);width:20;}QToolTip{border:1px solid rgb(99,99,99);background-image:none;"
            "background-color:rgb(47,47,47);}QScrollBar:vertical{border: none; background-color:rgb(47,47,47); "
            "width:11px; margin: 0px 0px 0px 0px; }QScrollBar::handle:vertical{border: 1px solid black; "
            "border-radius: 5px; background: rgb(0,0,0); min-height: 20px;}QScrollBar::add-line:vertical{"
            "background: black; height: 0px; subcontrol-position: bottom; subcontrol-origin: margin;}"
            "QScrollBar::sub-line:vertical{background: black; height: 0px; subcontrol-position: top; "
            "subcontrol-origin: margin;}"));
}

void turn_wheel(QWidget& widget)
{
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

TEST(combobox, wheel_changes_the_choice_only_when_not_ignored)
{
    struct row {
        bool ignore_wheel;
        int index_after;
    };
    for (row const& r : {row{true, 0}, row{false, 1}}) {
        varo::combobox box(r.ignore_wheel, nullptr);
        box.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        turn_wheel(box);
        EXPECT_EQ(box.currentIndex(), r.index_after) << r.ignore_wheel;
    }
}

void click(QWidget& widget)
{
    QPointF const centre(widget.width() / 2, widget.height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

TEST(combobox, every_click_reports_clicked_after_the_release)
{
    QWidget window;
    window.resize(200, 100);
    varo::combobox box(true, &window);
    box.addItems({QStringLiteral("a"), QStringLiteral("b")});
    box.setGeometry(10, 10, 120, 22);
    window.show();
    int clicks = 0;
    QObject::connect(&box, &varo::combobox::clicked, [&clicks] { ++clicks; });
    click(box);
    EXPECT_EQ(clicks, 1);
    click(box);
    EXPECT_EQ(clicks, 2);
    box.hidePopup();
}

TEST(combobox, arrow_image_renders)
{
    ASSERT_FALSE(QImage(QStringLiteral(":/gui/combobox/arrow.png")).isNull());
    varo::combobox box(true, nullptr);
    box.addItem(QString());
    box.resize(120, 22);
    EXPECT_TRUE(contains_colour(box.grab().toImage(), qRgb(198, 213, 210)));
}

QString const default_indicators =
    QStringLiteral("QCheckBox::indicator:enabled:unchecked{image:url(:/gui/checkbox/unchecked.png);}"
                   "QCheckBox::indicator:enabled:checked{image:url(:/gui/checkbox/checked.png);}"
                   "QCheckBox::indicator:!enabled:unchecked{image:url(:/gui/checkbox/disabled_unchecked.png);}"
                   "QCheckBox::indicator:!enabled:checked{image:url(:/gui/checkbox/disabled_checked.png);}");

QString checkbox_main(QString const& spacing, QString const& rgb)
{
    return QStringLiteral("QCheckBox{spacing:") + spacing + QStringLiteral("px;color:rgb(") + rgb
           + QStringLiteral(");margin: 2px 0px 2px 2px;}") + tooltip_rule;
}

TEST(checkbox, starts_with_the_resource_indicators)
{
    QWidget parent;
    varo::checkbox box(QStringLiteral("x"), &parent, true);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(box.text(), QStringLiteral("x"));
    EXPECT_EQ(box.parentWidget(), &parent);
    EXPECT_EQ(box.styleSheet(), checkbox_main(QStringLiteral("4"), QStringLiteral("198,213,210")) + default_indicators);
    varo::checkbox unchecked(QStringLiteral("y"), nullptr, false);
    EXPECT_FALSE(unchecked.isChecked());
}

TEST(checkbox, init_chooses_the_indicator_rules)
{
    struct row {
        QColor indicator;
        QString checked_image;
        QString unchecked_image;
        QString expected;
    };
    QString const both = QStringLiteral(
        "QCheckBox::indicator:enabled:unchecked{image:url(u.png);border:1px solid rgb(99,99,99);width:14px;height:14px;}"
        "QCheckBox::indicator:enabled:checked{image:url(c.png);border:3px solid rgb(255,255,255);width:10px;height:10px;}"
        "QCheckBox::indicator:!enabled:unchecked{image:url(u.png);border:1px solid rgb(99,99,99);width:14px;height:14px;}"
        "QCheckBox::indicator:!enabled:checked{image:url(c.png);border:3px solid rgb(255,255,255);width:10px;"
        "height:10px;}");
    QString const checked_only = QStringLiteral(
        "QCheckBox::indicator:enabled:unchecked{image:url(:/gui/checkbox/unchecked.png);}"
        "QCheckBox::indicator:enabled:checked{image:url(c.png);border:3px solid rgb(255,255,255);width:10px;height:10px;}"
        "QCheckBox::indicator:!enabled:unchecked{image:url(:/gui/checkbox/disabled_unchecked.png);}"
        "QCheckBox::indicator:!enabled:checked{image:url(c.png);border:3px solid rgb(255,255,255);width:10px;"
        "height:10px;}");
    QString const coloured = QStringLiteral(
        "QCheckBox::indicator:unchecked{background-color:rgba(1,2,3,4);border:1px solid rgb(99,99,99);width:14px;"
        "height:14px;}QCheckBox::indicator:checked{background-color:rgba(1,2,3,4);border:3px solid rgb(255,255,255);"
        "width:10px;height:10px;}");
    QString const none;
    for (row const& r :
         {row{QColor(0, 0, 0, 0), QStringLiteral("c.png"), QStringLiteral("u.png"), both},
          row{QColor(1, 2, 3, 4), QStringLiteral("c.png"), QStringLiteral("u.png"), both},
          row{QColor(0, 0, 0, 0), QStringLiteral("c.png"), none, checked_only},
          row{QColor(0, 0, 0, 0), none, QStringLiteral("u.png"), default_indicators},
          row{QColor(0, 0, 0, 0), none, none, default_indicators}, row{QColor(1, 2, 3, 4), none, none, coloured},
          row{QColor(1, 2, 3, 4), none, QStringLiteral("u.png"), coloured},
          row{QColor(0, 0, 0, 255), none, none,
              QString(coloured).replace(QStringLiteral("rgba(1,2,3,4)"), QStringLiteral("rgba(0,0,0,255)"))}}) {
        varo::checkbox box(QStringLiteral("x"), nullptr, false);
        box.init(7, r.indicator, r.checked_image, r.unchecked_image, QColor(10, 20, 30));
        EXPECT_EQ(box.styleSheet(), checkbox_main(QStringLiteral("7"), QStringLiteral("10,20,30")) + r.expected)
            << r.indicator.name(QColor::HexArgb).toStdString() << " " << r.checked_image.toStdString() << " "
            << r.unchecked_image.toStdString();
    }
}

TEST(checkbox, image_paths_are_taken_literally)
{
    varo::checkbox box(QStringLiteral("x"), nullptr, false);
    box.init(4, QColor(0, 0, 0, 0), QStringLiteral("a%3.png"), QStringLiteral("b%2.png"), QColor(1, 1, 1));
    EXPECT_TRUE(box.styleSheet().contains(QStringLiteral("enabled:checked{image:url(a%3.png);")));
    EXPECT_TRUE(box.styleSheet().contains(QStringLiteral("enabled:unchecked{image:url(b%2.png);")));
}

TEST(checkbox, indicator_images_render_in_every_state)
{
    struct row {
        bool checked;
        bool enabled;
        QString image;
    };
    for (row const& r : {row{false, true, QStringLiteral(":/gui/checkbox/unchecked.png")},
                         row{true, true, QStringLiteral(":/gui/checkbox/checked.png")},
                         row{false, false, QStringLiteral(":/gui/checkbox/disabled_unchecked.png")},
                         row{true, false, QStringLiteral(":/gui/checkbox/disabled_checked.png")}}) {
        QImage const source(r.image);
        ASSERT_FALSE(source.isNull()) << r.image.toStdString();
        varo::checkbox box(QString(), nullptr, r.checked);
        box.setEnabled(r.enabled);
        box.resize(40, 24);
        EXPECT_TRUE(contains_colour(box.grab().toImage(), source.pixel(0, 7))) << r.image.toStdString();
    }
}

TEST(checkbox_flat, drawn_size_keeps_the_checked_ratio)
{
    struct row {
        QSize image;
        QSize drawn;
    };
    for (row const& r :
         {row{QSize(28, 14), QSize(28, 14)}, row{QSize(10, 20), QSize(7, 14)}, row{QSize(3, 7), QSize(6, 14)},
          row{QSize(7142, 10), QSize(9998, 14)}, row{QSize(7150, 10), QSize(9999, 13)}, row{QSize(0, 0), QSize()}}) {
        EXPECT_EQ(varo::checkbox_flat::drawn_size(r.image), r.drawn) << r.image.width() << "x" << r.image.height();
    }
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

TEST(checkbox_flat, draws_the_image_of_its_state_centred_at_the_left)
{
    struct row {
        bool checked;
        bool enabled;
        QRgb colour;
    };
    for (row const& r : {row{true, true, qRgb(255, 0, 0)}, row{false, true, qRgb(0, 255, 0)},
                         row{true, false, qRgb(0, 0, 255)}, row{false, false, qRgb(0, 0, 255)}}) {
        varo::checkbox_flat box(QString(), nullptr, r.checked, filled(28, 14, qRgb(255, 0, 0)),
                                filled(28, 14, qRgb(0, 255, 0)), filled(28, 14, qRgb(0, 0, 255)));
        box.setEnabled(r.enabled);
        box.resize(60, 31);
        QImage const image = box.grab().toImage();
        // top = 31 / 2 - 14 / 2 = 8: rows 8 to 21, columns 0 to 27
        EXPECT_EQ(image.pixel(1, 9), r.colour) << r.checked << r.enabled;
        EXPECT_EQ(image.pixel(26, 20), r.colour) << r.checked << r.enabled;
        EXPECT_NE(image.pixel(40, 3), r.colour);
    }
}

TEST(checkbox_flat, without_a_checked_image_draws_no_image)
{
    varo::checkbox_flat box(QString(), nullptr, false, QImage(), filled(28, 14, qRgb(0, 255, 0)), QImage());
    box.resize(60, 30);
    EXPECT_FALSE(contains_colour(box.grab().toImage(), qRgb(0, 255, 0)));
}

TEST(further_inputs, radio_and_textedit_are_classes_of_their_own)
{
    varo::radio radio(QStringLiteral("r"), nullptr);
    varo::textedit edit(nullptr);
    EXPECT_STREQ(radio.metaObject()->className(), "varo::radio");
    EXPECT_STREQ(edit.metaObject()->className(), "varo::textedit");
    EXPECT_EQ(radio.text(), QStringLiteral("r"));
}

TEST(further_inputs, combobox_lineedit_selects_all_once_the_focus_event_is_done)
{
    varo::combobox_lineedit edit;
    edit.setText(QStringLiteral("folder name"));
    edit.deselect();
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&edit, &focus);
    EXPECT_FALSE(edit.hasSelectedText());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.selectedText(), QStringLiteral("folder name"));
}

TEST(button_combobox, paints_only_with_its_painter)
{
    varo::button_combobox box(nullptr);
    box.resize(40, 20);
    EXPECT_FALSE(contains_colour(box.grab().toImage(), qRgb(9, 8, 7)));
    box.set_painter([](QPainter& painter) { painter.fillRect(0, 0, 40, 20, QColor(9, 8, 7)); });
    QImage const image = box.grab().toImage();
    EXPECT_EQ(image.pixel(20, 10), qRgb(9, 8, 7));
}

TEST(button_combobox, press_reports_clicked)
{
    QWidget window;
    window.resize(200, 200);
    varo::button_combobox box(&window);
    box.setGeometry(10, 10, 40, 20);
    window.show();
    int clicks = 0;
    QObject::connect(&box, &varo::button_combobox::clicked, [&clicks] { ++clicks; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
    EXPECT_EQ(clicks, 1);
    box.hidePopup();
}

TEST(button_combobox, popup_toggles_the_companion_unless_skipped)
{
    QWidget window;
    window.resize(300, 200);
    auto* holder = new QWidget(&window);
    holder->setGeometry(20, 30, 200, 100);
    varo::button_combobox box(holder);
    box.setGeometry(5, 7, 40, 20);
    QWidget companion(&window);
    companion.resize(50, 50);
    companion.hide();
    box.set_companion(&companion);
    box.set_text(QStringLiteral("choice"));
    window.show();

    box.showPopup();
    EXPECT_TRUE(companion.isVisible());
    EXPECT_EQ(companion.pos(), QPoint(20 + 5, 30 + 7 + 19));
    box.showPopup();
    EXPECT_TRUE(companion.isHidden());

    box.set_skip_next_popup(true);
    box.showPopup();
    EXPECT_TRUE(companion.isHidden());
    box.hidePopup();
    box.showPopup();
    EXPECT_TRUE(companion.isVisible());
    box.hidePopup();
    EXPECT_EQ(box.text(), QStringLiteral("choice"));
}

}
