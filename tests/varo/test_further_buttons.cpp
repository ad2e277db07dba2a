#include "varo/button.h"
#include "varo/button_custom.h"
#include "varo/button_dark_flat.h"
#include "varo/button_dark_round.h"
#include "varo/button_html.h"
#include "varo/merge_style_sheet.h"

#include "qstring_printer.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

#include <vector>

namespace {

QString const idle_sheet = QStringLiteral("border:none;margin:2px 2px 2px 2px;");
QString const flash_sheet = QStringLiteral("border:2px solid rgb(222,222,222);margin:0px 0px 0px 0px;");

struct merge_case {
    char const* name;
    QString sheet;
    QString declarations;
    QString merged;
    QString declarations_after;
};

TEST(merge_style_sheet, merges_declarations_into_the_sheet)
{
    merge_case const cases[] = {
        {"into an empty sheet", QString(), idle_sheet, idle_sheet, idle_sheet},
        {"replacing both, in the sheet's order", idle_sheet,
         QStringLiteral("margin:0px 0px 0px 0px;border:2px solid rgb(222,222,222);"), flash_sheet,
         QStringLiteral("margin:0px 0px 0px 0px;border:2px solid rgb(222,222,222);")},
        {"and back", flash_sheet, idle_sheet, idle_sheet, idle_sheet},
        {"final semicolon added", QStringLiteral("color:red;"), QStringLiteral("margin:1px"),
         QStringLiteral("color:red;margin:1px;"), QStringLiteral("margin:1px;")},
        {"nothing to merge", QStringLiteral("color:red;"), QString(), QStringLiteral("color:red;"), QString()},
        {"a name inside a rule matches first", QStringLiteral("QToolTip{border:1px solid;}border:none;"),
         QStringLiteral("border:3px;"), QStringLiteral("QToolTip{border:3px;}border:none;"),
         QStringLiteral("border:3px;")},
        {"names are case-sensitive", QStringLiteral("Color:red;"), QStringLiteral("color:blue;"),
         QStringLiteral("Color:red;color:blue;"), QStringLiteral("color:blue;")},
        {"an identical declaration is only skipped", QStringLiteral("border:none;margin:1px;"),
         QStringLiteral("border:none;margin:3px;"), QStringLiteral("border:none;margin:3px;"),
         QStringLiteral("border:none;margin:3px;")},
        {"last declaration of the sheet without semicolon", QStringLiteral("color:red;margin:1px"),
         QStringLiteral("margin:2px;"), QStringLiteral("color:red;margin:2px;"), QStringLiteral("margin:2px;")},
        {"a declaration without colon matches only itself", QStringLiteral("odd;"), QStringLiteral("odd;even;"),
         QStringLiteral("odd;even;"), QStringLiteral("odd;even;")},
    };
    for (merge_case const& test : cases) {
        QWidget widget;
        widget.setStyleSheet(test.sheet);
        QString declarations = test.declarations;
        varo::merge_style_sheet(&widget, declarations);
        EXPECT_EQ(widget.styleSheet(), test.merged) << test.name;
        EXPECT_EQ(declarations, test.declarations_after) << test.name;
    }
}

// Opens the flash state to the checks.
struct flash_probe : varo::button {
    using button::button;
    using button::highlight_rect;
    using button::highlighted;
};

void press(QWidget& widget, QPoint at)
{
    QMouseEvent event(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void release(QWidget& widget, QPoint at)
{
    QMouseEvent event(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(button, starts_borderless_without_focus)
{
    flash_probe b(QStringLiteral("Go"), nullptr);
    EXPECT_EQ(b.text(), QStringLiteral("Go"));
    EXPECT_EQ(b.styleSheet(), idle_sheet);
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(b.highlighted);
    EXPECT_TRUE(b.highlight_rect.isNull());
    EXPECT_FALSE(b.highlight_rect.isValid());
}

TEST(button, rectangle_constructor_moves_the_frame_in)
{
    flash_probe b(nullptr, QRect(QPoint(0, 0), QPoint(19, 19)));
    EXPECT_EQ(b.highlight_rect, QRect(QPoint(4, 4), QPoint(20, 20)));
    EXPECT_TRUE(b.text().isEmpty());
    EXPECT_EQ(b.styleSheet(), idle_sheet);
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
}

TEST(button, release_flashes_with_the_sheet_and_reports_a_click)
{
    flash_probe b(QStringLiteral("Go"), nullptr);
    b.resize(40, 30);
    b.setCheckable(true);
    std::vector<QString> signals_seen;
    QObject::connect(&b, &QAbstractButton::clicked, [&](bool checked) {
        signals_seen.push_back(QStringLiteral("clicked ") + (checked ? "true" : "false"));
    });
    QObject::connect(&b, &QAbstractButton::released, [&] { signals_seen.push_back(QStringLiteral("released")); });
    QObject::connect(&b, &QAbstractButton::toggled, [&](bool checked) {
        signals_seen.push_back(QStringLiteral("toggled ") + (checked ? "true" : "false"));
    });

    release(b, QPoint(500, 500));
    EXPECT_TRUE(b.highlighted);
    EXPECT_EQ(b.styleSheet(), flash_sheet);
    EXPECT_EQ(signals_seen, (std::vector<QString>{QStringLiteral("clicked false"), QStringLiteral("released"),
                                                  QStringLiteral("toggled false")}));
    EXPECT_FALSE(b.isChecked());

    b.deaktivate_highlight();
    EXPECT_FALSE(b.highlighted);
    EXPECT_EQ(b.styleSheet(), idle_sheet);
}

TEST(button, release_lifts_the_pressed_button)
{
    flash_probe b(QStringLiteral("Go"), nullptr);
    b.resize(40, 30);
    press(b, QPoint(5, 5));
    ASSERT_TRUE(b.isDown());
    release(b, QPoint(5, 5));
    EXPECT_FALSE(b.isDown());
}

TEST(button, flash_ends_by_itself_after_200_ms)
{
    flash_probe b(QStringLiteral("Go"), nullptr);
    QElapsedTimer clock;
    clock.start();
    release(b, QPoint(1, 1));
    ASSERT_TRUE(wait_until([&] { return !b.highlighted; }));
    EXPECT_GE(clock.elapsed(), 180);
    EXPECT_EQ(b.styleSheet(), idle_sheet);
}

TEST(button, second_release_during_a_flash_does_not_extend_it)
{
    flash_probe b(QStringLiteral("Go"), nullptr);
    QElapsedTimer clock;
    clock.start();
    release(b, QPoint(1, 1));
    wait_until([&] { return clock.elapsed() >= 100; });
    ASSERT_TRUE(b.highlighted) << "the first flash ended too early for this check";
    qint64 const second = clock.elapsed();
    release(b, QPoint(1, 1));
    ASSERT_TRUE(wait_until([&] { return !b.highlighted; }));
    qint64 const ended = clock.elapsed();
    EXPECT_GE(ended, 180) << "the first release's timer ends the flash";
    EXPECT_LT(ended - second, 180) << "the second release's timer would end it only later";
}

QRgb pixel_after(flash_probe& b, QPoint at)
{
    return b.grab().toImage().pixel(at);
}

TEST(button, valid_rectangle_flashes_a_painted_frame_and_leaves_the_sheet)
{
    flash_probe b(nullptr, QRect(QPoint(0, 0), QPoint(19, 19)));
    b.resize(30, 30);
    QRgb const frame = qRgb(222, 222, 222);
    EXPECT_NE(pixel_after(b, QPoint(4, 12)), frame);

    release(b, QPoint(1, 1));
    EXPECT_EQ(b.styleSheet(), idle_sheet);
    // A 2-pixel pen centred on the rectangle's edges; Qt strokes the far
    // edges of (4, 4)-(20, 20) at 21.
    for (QPoint at : {QPoint(3, 12), QPoint(4, 12), QPoint(12, 3), QPoint(12, 4), QPoint(20, 12), QPoint(21, 12),
                      QPoint(12, 20), QPoint(12, 21)})
        EXPECT_EQ(pixel_after(b, at), frame) << at.x() << "," << at.y();
    EXPECT_NE(pixel_after(b, QPoint(12, 12)), frame);
    EXPECT_NE(pixel_after(b, QPoint(25, 12)), frame);

    b.deaktivate_highlight();
    EXPECT_EQ(b.styleSheet(), idle_sheet);
    EXPECT_NE(pixel_after(b, QPoint(4, 12)), frame);
}

QSize document_size(QString const& html)
{
    QTextDocument document;
    document.setHtml(html);
    return {static_cast<int>(document.size().width()), static_cast<int>(document.size().height())};
}

struct html_probe : varo::button_html {
    using button_html::button_html;
    using button_html::highlight_rect;
};

TEST(button_html, face_is_the_rendered_html_as_icon)
{
    QString const html = QStringLiteral("<span style=\"color:#ff0000;font-size:20px\">HTML</span>");
    html_probe b(html, nullptr);
    EXPECT_TRUE(b.text().isEmpty());
    EXPECT_EQ(b.iconSize(), document_size(html));
    QImage const face = b.icon().pixmap(b.iconSize()).toImage();
    ASSERT_EQ(face.size(), document_size(html));
    EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0) << "the face is transparent around the text";
    bool red = false;
    for (int y = 0; y < face.height() && !red; ++y) {
        for (int x = 0; x < face.width() && !red; ++x) {
            QRgb const p = face.pixel(x, y);
            red = qAlpha(p) > 200 && qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    }
    EXPECT_TRUE(red);
}

TEST(button_html, flashes_with_the_sheet)
{
    html_probe b(nullptr);
    EXPECT_FALSE(b.highlight_rect.isValid());
    EXPECT_EQ(b.highlight_rect, QRect(QPoint(4, 4), QPoint(0, 0)));
    EXPECT_EQ(b.iconSize(), document_size(QString()));
    release(b, QPoint(1, 1));
    EXPECT_EQ(b.styleSheet(), flash_sheet);
}

// A red parent, so whatever the button paints shows against it.
struct red_backdrop {
    red_backdrop()
    {
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::red);
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        parent.resize(40, 40);
        custom = new varo::button_custom(&parent);
        custom->setGeometry(0, 0, 20, 20);
    }

    bool all_pixels(QRgb colour)
    {
        QImage const image = parent.grab(QRect(0, 0, 20, 20)).toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != colour)
                    return false;
            }
        }
        return true;
    }

    QWidget parent;
    varo::button_custom* custom;
};

TEST(button_custom, without_a_painter_draws_nothing)
{
    red_backdrop backdrop;
    EXPECT_TRUE(backdrop.all_pixels(qRgb(255, 0, 0)));
}

TEST(button_custom, painter_draws_the_whole_face)
{
    red_backdrop backdrop;
    backdrop.custom->setText(QStringLiteral("never drawn"));
    backdrop.custom->painter = [](QPainter& painter) { painter.fillRect(0, 0, 20, 20, Qt::blue); };
    EXPECT_TRUE(backdrop.all_pixels(qRgb(0, 0, 255)));
}

TEST(button_custom, accepts_drags_and_hands_drops_to_the_callback)
{
    varo::button_custom b;
    b.setAcceptDrops(true);
    QMimeData data;
    data.setText(QStringLiteral("dropped"));
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(&b, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), enter.proposedAction());

    QString received;
    b.drop_callback = [&](QDropEvent* event) { received = event->mimeData()->text(); };
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &drop);
    EXPECT_EQ(received, QStringLiteral("dropped"));
}

TEST(button_custom, without_a_drop_callback_the_drop_is_left_alone)
{
    varo::button_custom b;
    b.setAcceptDrops(true);
    QMimeData data;
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &drop);
    EXPECT_FALSE(drop.isAccepted());
}

QString const flat_main = QStringLiteral(
    "QPushButton{color:rgb(146,152,148);border-style:none;border-width:3px;border-image:url(:/gui/button/blank_no"
    "rmal.png) 3 stretch;font-size:12px;}QPushButton::hover{color:#d0d0d0;}QToolTip{border:1px solid rgb(99,99,99"
    ");background-image:none;background-color:rgb(47,47,47);color:rgb(228,228,228);font-size:10px;}");
QString const round_main = QStringLiteral(
    "QPushButton{color:rgb(146,152,148);border:1px solid rgb(75,75,75);background-color:rgb(68,68,68);border-radi"
    "us:5px;font-size:12px;}QPushButton::checked{color:#d0d0d0;border:1px solid rgb(120,120,120);background-color"
    ":rgb(113,113,113);}QPushButton::hover{color:#d0d0d0;border:1px solid rgb(120,120,120);background-color:rgb(1"
    "33,133,133);}QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);co"
    "lor:rgb(228,228,228);font-size:10px;}");
QString const flat_rules = QStringLiteral(
    "QPushButton::checked      {color:rgb(228,228,228);}QPushButton::checked:hover{color:rgb(255,255,255);}"
    "QPushButton::checked      {color:rgb(228,228,228);}"
    "QPushButton::disabled{color:rgba(129,136,133,50%);}");

TEST(button_dark_flat, blank_frame_without_margins)
{
    varo::button_dark_flat b(QStringLiteral("Flat"), nullptr);
    EXPECT_EQ(b.text(), QStringLiteral("Flat"));
    EXPECT_EQ(b.styleSheet(), flat_main + flat_rules);
    EXPECT_EQ(b.contentsMargins(), QMargins(0, 0, 0, 0));
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
}

TEST(button_dark_round, rounded_box_with_the_flat_rules)
{
    varo::button_dark_round b(QStringLiteral("Round"), nullptr);
    EXPECT_EQ(b.text(), QStringLiteral("Round"));
    EXPECT_EQ(b.styleSheet(), round_main + flat_rules);
    EXPECT_EQ(b.contentsMargins(), QMargins(0, 0, 0, 0));
    EXPECT_NE(qobject_cast<varo::button_dark_flat*>(&b), nullptr);
}

}
