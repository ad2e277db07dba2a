#include "varo/button_dark.h"

#include "message_capture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <string>

namespace {

// Opens the protected state of the button to the checks.
struct probe : varo::button_dark {
    using button_dark::button_dark;
    using button_dark::checked_icon;
    using button_dark::icon;
    using button_dark::icon_painter;
    using button_dark::pressed_icon;
    using button_dark::use_checked_border;
};

QString const main_rule_head =
    QStringLiteral("QPushButton{color:rgb(198,213,210);border-style:none;border-width:3px;"
                   "border-image:url(:/gui/button/dark_normal.png) 3 stretch;text-align:center;");
QString const main_rule_tail =
    QStringLiteral(";background:transparent;padding: 0.25em 1em;}QPushButton::hover{color:#f0f0f0;}"
                   "QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);}");
QString const checked_rule = QStringLiteral(
    "QPushButton::checked{border-style:none;border-width:3px;border-image:url(:/gui/button/dark_pressed.png) 3 stretch;}");
QString const pressed_rule = QStringLiteral(
    "QPushButton::pressed{border-style:none;border-width:3px;border-image:url(:/gui/button/dark_pressed.png) 3 stretch;}");
QString const disabled_rule = QStringLiteral("QPushButton::disabled{color:rgba(129,136,133,50%);}");

QString default_sheet()
{
    return main_rule_head + main_rule_tail + checked_rule + pressed_rule + disabled_rule;
}

TEST(button_dark, application_button_gets_the_exact_default_sheet)
{
    varo::button_dark button(nullptr);
    EXPECT_EQ(
        button.styleSheet(),
        QStringLiteral("QPushButton{color:rgb(198,213,210);border-style:none;border-width:3px;"
                       "border-image:url(:/gui/button/dark_normal.png) 3 stretch;text-align:center;;"
                       "background:transparent;padding: 0.25em 1em;}QPushButton::hover{color:#f0f0f0;}"
                       "QToolTip{border:1px solid rgb(99,99,99);background-image:none;background-color:rgb(47,47,47);}"
                       "QPushButton::checked{border-style:none;border-width:3px;"
                       "border-image:url(:/gui/button/dark_pressed.png) 3 stretch;}"
                       "QPushButton::pressed{border-style:none;border-width:3px;"
                       "border-image:url(:/gui/button/dark_pressed.png) 3 stretch;}"
                       "QPushButton::disabled{color:rgba(129,136,133,50%);}"));
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(button.text().isEmpty());
    EXPECT_FALSE(button.acceptDrops());
}

TEST(button_dark, type_selects_the_border_images_of_all_three_rules)
{
    varo::button_dark button(QStringLiteral("Go"), nullptr);
    button.set_type(QStringLiteral("header"));
    QString expected = default_sheet();
    expected.replace(QStringLiteral("dark_"), QStringLiteral("header_"));
    EXPECT_EQ(button.styleSheet(), expected);
    EXPECT_EQ(button.text(), QStringLiteral("Go"));
}

TEST(button_dark, text_align_fills_the_main_rule)
{
    varo::button_dark button(nullptr);
    button.set_text_align(QStringLiteral("left"));
    QString expected = default_sheet();
    expected.replace(QStringLiteral("text-align:center;"), QStringLiteral("text-align:left;"));
    EXPECT_EQ(button.styleSheet(), expected);
}

TEST(button_dark, extra_padding_goes_inside_the_main_rule)
{
    varo::button_dark button(nullptr);
    button.set_extra_padding(6);
    EXPECT_EQ(button.styleSheet(), main_rule_head + QStringLiteral("padding-left: 6px; padding-right: 6px;")
                                       + main_rule_tail + checked_rule + pressed_rule + disabled_rule);
    button.set_extra_padding(0);
    EXPECT_EQ(button.styleSheet(), default_sheet());
}

TEST(button_dark, text_colour_replaces_the_disabled_rule_until_reset)
{
    varo::button_dark button(nullptr);
    button.set_text_color(0x80102030u);
    EXPECT_EQ(button.styleSheet(), main_rule_head + QStringLiteral("color:rgba(16,32,48,128);") + main_rule_tail
                                       + checked_rule + pressed_rule
                                       + QStringLiteral("QPushButton::disabled{color:rgba(16,32,48,50%);}"));
    button.reset_text_color();
    EXPECT_EQ(button.styleSheet(), default_sheet());
}

TEST(button_dark, padding_comes_before_the_text_colour)
{
    varo::button_dark button(nullptr);
    button.set_extra_padding(2);
    button.set_text_color(0xFF010203u);
    EXPECT_EQ(button.styleSheet(), main_rule_head
                                       + QStringLiteral("padding-left: 2px; padding-right: 2px;color:rgba(1,2,3,255);")
                                       + main_rule_tail + checked_rule + pressed_rule
                                       + QStringLiteral("QPushButton::disabled{color:rgba(1,2,3,50%);}"));
}

TEST(button_dark, style_flags_choose_the_checked_and_pressed_rules)
{
    struct row {
        bool checked_border;
        bool pressed_border;
        QString expected;
    };
    QString const main_rule = main_rule_head + main_rule_tail;
    for (row const& r : {row{false, true, main_rule + pressed_rule + disabled_rule},
                         row{true, false, main_rule + checked_rule + disabled_rule},
                         row{false, false, main_rule + disabled_rule}, row{true, true, default_sheet()}}) {
        varo::button_dark button(nullptr);
        button.set_style(false, r.checked_border, true, r.pressed_border);
        EXPECT_EQ(button.styleSheet(), r.expected) << r.checked_border << r.pressed_border;
    }
}

TEST(button_dark, padding_switch_is_read_at_construction)
{
    varo::button_dark::enable_padding = false;
    varo::button_dark without(nullptr);
    varo::button_dark::enable_padding = true;
    QString expected = default_sheet();
    expected.remove(QStringLiteral("padding: 0.25em 1em;"));
    EXPECT_EQ(without.styleSheet(), expected);
    without.set_type(QStringLiteral("dark"));
    EXPECT_EQ(without.styleSheet(), expected);
}

// Icons are written to files and loaded through the same path as the
// application's, so the checks see real decoded pixels.
class icon_files : public ::testing::Test {
protected:
    QString write(QImage const& image, QString const& name)
    {
        QString const path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }

    // One row of pixels given as 0xAARRGGBB values.
    QString write_row(std::initializer_list<QRgb> pixels, QString const& name)
    {
        QImage image(static_cast<int>(pixels.size()), 1, QImage::Format_ARGB32);
        int x = 0;
        for (QRgb pixel : pixels)
            image.setPixel(x++, 0, pixel);
        return write(image, name);
    }

    QTemporaryDir folder;
};

std::vector<QRgb> pixels_of(QImage const& image)
{
    std::vector<QRgb> result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            result.push_back(image.pixel(x, y));
    return result;
}

TEST_F(icon_files, single_colour_icon_takes_the_normal_and_hover_colours)
{
    QString const path = write_row({0xFFFF0000u, 0x80123456u, 0x00ABCDEFu, 0xFFFFFFFFu}, QStringLiteral("icon.png"));
    probe button(nullptr);
    button.set_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    ASSERT_TRUE(button.icon.normal_image);
    EXPECT_EQ(pixels_of(*button.icon.normal_image),
              (std::vector<QRgb>{0xFF818885u, 0x80818885u, 0x00818885u, 0xFF818885u}));
    EXPECT_EQ(pixels_of(*button.icon.highlight_image),
              (std::vector<QRgb>{0xFFF0F0F0u, 0x80F0F0F0u, 0x00F0F0F0u, 0xFFF0F0F0u}));
    EXPECT_EQ(pixels_of(*button.icon.disabled_image),
              (std::vector<QRgb>{0x7F818885u, 0x40818885u, 0x00818885u, 0x7F818885u}));
    EXPECT_EQ(button.icon.width, 4);
    EXPECT_EQ(button.icon.path, path);
}

TEST_F(icon_files, single_colour_recolouring_of_a_toolkit_image_keeps_its_alpha)
{
    QImage const original = QImage(QStringLiteral(":/gui/checkbox/checked.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(original.isNull());
    probe button(nullptr);
    button.set_icon(QStringLiteral(":/gui/checkbox/checked.png"), -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    ASSERT_EQ(button.icon.normal_image->size(), original.size());
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            QRgb const alpha = static_cast<QRgb>(qAlpha(original.pixel(x, y))) << 24;
            EXPECT_EQ(button.icon.normal_image->pixel(x, y), alpha | 0x818885u);
            EXPECT_EQ(button.icon.highlight_image->pixel(x, y), alpha | 0xF0F0F0u);
            EXPECT_EQ(button.icon.disabled_image->pixel(x, y), ((alpha >> 1) & 0xFF000000u) | 0x818885u);
        }
}

TEST_F(icon_files, multicolour_icon_moves_every_colour_with_the_reference)
{
    QString const path = write_row({0xFF0A141Eu, 0xFF818885u, 0x80C8C8C8u, 0xFF000000u}, QStringLiteral("multi.png"));
    probe button(nullptr);
    button.set_multicolor_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    EXPECT_TRUE(button.icon.multicolor);
    EXPECT_EQ(pixels_of(*button.icon.normal_image),
              (std::vector<QRgb>{0xFF0A141Eu, 0xFF818885u, 0x80C8C8C8u, 0xFF000000u}));
    // red +111, green +104, blue +107, clamped at 255
    EXPECT_EQ(pixels_of(*button.icon.highlight_image),
              (std::vector<QRgb>{0xFF797C89u, 0xFFF0F0F0u, 0x80FFFFFFu, 0xFF6F686Bu}));
    EXPECT_EQ(pixels_of(*button.icon.disabled_image),
              (std::vector<QRgb>{0x7F0A141Eu, 0x7F818885u, 0x40C8C8C8u, 0x7F000000u}));
}

TEST_F(icon_files, multicolour_shift_clamps_at_zero)
{
    QString const path = write_row({0xFFFFFFFFu, 0xFF101010u}, QStringLiteral("bright.png"));
    probe button(nullptr);
    button.set_multicolor_icon(path, -1, -1, 0xFF000000u, 0xFFFFFFFFu);
    EXPECT_EQ(pixels_of(*button.icon.highlight_image), (std::vector<QRgb>{0xFF000000u, 0xFF000000u}));
}

TEST_F(icon_files, first_pixel_of_least_distance_is_the_reference)
{
    QString const path = write_row({0xFF828885u, 0xFF808885u, 0xFF000000u}, QStringLiteral("tie.png"));
    probe button(nullptr);
    button.set_multicolor_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    // the reference is rgb(130,136,133): the shift is red +110, green +104, blue +107
    EXPECT_EQ(pixels_of(*button.icon.highlight_image), (std::vector<QRgb>{0xFFF0F0F0u, 0xFFEEF0F0u, 0xFF6E686Bu}));
}

TEST_F(icon_files, reference_is_black_when_no_pixel_beats_the_largest_distance)
{
    QString const path = write_row({0xFFFFFFFFu, 0xFFFFFFFFu}, QStringLiteral("white.png"));
    probe button(nullptr);
    button.set_multicolor_icon(path, -1, -1, 0xFF0A141Eu, 0xFF000000u);
    EXPECT_EQ(pixels_of(*button.icon.highlight_image), (std::vector<QRgb>{0xFFFFFFFFu, 0xFFFFFFFFu}));
}

TEST_F(icon_files, a_slot_once_multicolour_stays_multicolour)
{
    QString const path = write_row({0xFF818885u, 0xFF000000u}, QStringLiteral("sticky.png"));
    probe button(nullptr);
    button.set_multicolor_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    button.set_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    EXPECT_TRUE(button.icon.multicolor);
    EXPECT_EQ(pixels_of(*button.icon.highlight_image), (std::vector<QRgb>{0xFFF0F0F0u, 0xFF6F686Bu}));
    EXPECT_EQ(pixels_of(*button.icon.normal_image), (std::vector<QRgb>{0xFF818885u, 0xFF000000u}));
}

TEST_F(icon_files, palette_icon_is_recoloured_as_32_bit_pixels)
{
    QImage palette(3, 2, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
    palette.fill(1);
    palette.setPixel(0, 0, 0);
    QString const path = write(palette, QStringLiteral("palette.png"));
    ASSERT_NE(QImage(path).format(), QImage::Format_ARGB32);
    probe button(nullptr);
    button.set_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    EXPECT_EQ(pixels_of(*button.icon.normal_image), std::vector<QRgb>(6, 0xFF818885u));
    EXPECT_EQ(pixels_of(*button.icon.disabled_image), std::vector<QRgb>(6, 0x7F818885u));
}

TEST_F(icon_files, missing_icon_is_reported_and_counts_no_width)
{
    message_capture capture;
    probe button(nullptr);
    QString const missing = folder.filePath(QStringLiteral("missing.png"));
    button.set_icon(missing, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    EXPECT_EQ(message_capture::lines(), QStringList{QStringLiteral("debug: Can't open icon \"%1\"").arg(missing)});
    ASSERT_TRUE(button.icon.normal_image);
    EXPECT_TRUE(button.icon.normal_image->isNull());
    button.adjust_width_to_icon(3, 4);
    EXPECT_EQ(button.minimumWidth(), 7);
    EXPECT_EQ(button.maximumWidth(), 7);
}

TEST_F(icon_files, width_adjusts_to_the_icon)
{
    probe button(nullptr);
    button.set_icon(write(QImage(23, 22, QImage::Format_ARGB32), QStringLiteral("w.png")), -1, -1, 0xFFF0F0F0u,
                    0xFF818885u);
    button.adjust_width_to_icon(5, 6);
    EXPECT_EQ(button.width(), 34);
}

TEST_F(icon_files, empty_path_recolours_the_previous_icon)
{
    QString const path = write_row({0xFF123456u}, QStringLiteral("keep.png"));
    probe button(nullptr);
    button.set_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    button.set_icon(QString(), -1, -1, 0xFF010203u, 0xFF040506u);
    EXPECT_EQ(pixels_of(*button.icon.normal_image), std::vector<QRgb>{0xFF040506u});
    EXPECT_EQ(pixels_of(*button.icon.highlight_image), std::vector<QRgb>{0xFF010203u});
    EXPECT_EQ(button.icon.width, 1);
}

// Paints the button's icon painter on a transparent canvas of the button's size.
QImage paint_icon(probe& button)
{
    QImage canvas(button.size(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    button.icon_painter(painter, &button);
    return canvas;
}

QPoint first_opaque(QImage const& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return QPoint(x, y);
    return QPoint(-100, -100);
}

// An icon transparent except for one opaque pixel at (6, 0).
QImage marked_icon(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(6, 0, 0xFF000000u);
    return image;
}

TEST_F(icon_files, icon_position_is_centred_or_given)
{
    struct row {
        int icon_width;
        int x;
        int y;
        QPoint marker;
    };
    for (row const& r : {row{23, -1, -1, QPoint(3 + 6, 4)}, row{40, -1, -1, QPoint(-5 + 6, 4)},
                         row{23, 2, 5, QPoint(2 + 6, 5)}, row{23, -1, 0, QPoint(3 + 6, 0)}}) {
        probe button(nullptr);
        button.setFixedSize(30, 30);
        button.set_icon(write(marked_icon(r.icon_width, 22), QStringLiteral("mark.png")), r.x, r.y, 0xFFF0F0F0u,
                        0xFF818885u);
        EXPECT_EQ(first_opaque(paint_icon(button)), r.marker) << r.icon_width << " " << r.x << " " << r.y;
    }
}

class painted_state : public icon_files {
protected:
    void SetUp() override
    {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(0xFF000000u);
        path = write(image, QStringLiteral("state.png"));
        button.setFixedSize(10, 10);
        button.set_icon(path, -1, -1, 0xFFF0F0F0u, 0xFF818885u);
    }

    QRgb centre() { return paint_icon(button).pixel(5, 5); }

    QString path;
    probe button{nullptr};
};

TEST_F(painted_state, normal_image_by_default)
{
    EXPECT_EQ(centre(), 0xFF818885u);
}

TEST_F(painted_state, disabled_image_when_disabled)
{
    button.setEnabled(false);
    button.setAttribute(Qt::WA_UnderMouse);
    QRgb const painted = centre();
    EXPECT_EQ(qAlpha(painted), 127);
}

TEST_F(painted_state, hover_image_under_the_mouse)
{
    button.setAttribute(Qt::WA_UnderMouse);
    EXPECT_EQ(centre(), 0xFFF0F0F0u);
}

TEST_F(painted_state, hover_image_while_checked_unless_switched_off)
{
    button.setCheckable(true);
    button.setChecked(true);
    EXPECT_EQ(centre(), 0xFFF0F0F0u);
    button.set_style(false, true, false, true);
    EXPECT_EQ(centre(), 0xFF818885u);
}

TEST_F(painted_state, checked_frame_is_drawn_only_when_checked)
{
    button.set_style(true, true, true, true);
    button.setCheckable(true);
    EXPECT_EQ(paint_icon(button).pixel(0, 5), 0u);
    button.setChecked(true);
    EXPECT_EQ(paint_icon(button).pixel(0, 5), 0xFF818885u);
}

TEST_F(painted_state, checked_icon_replaces_the_icon_while_checked)
{
    QString const sheet = button.styleSheet();
    QImage white(4, 4, QImage::Format_ARGB32);
    white.fill(0xFFFFFFFFu);
    button.setCheckable(true);
    button.set_style(false, true, false, true);
    QString const checked_sheet = button.styleSheet();
    button.set_checked_icon(write(white, QStringLiteral("checked.png")), -1, -1, 0xFF0000FFu, 0xFF00FF00u);
    EXPECT_EQ(centre(), 0xFF818885u);
    button.setChecked(true);
    EXPECT_EQ(centre(), 0xFF00FF00u);
    EXPECT_FALSE(button.use_checked_border);
    EXPECT_EQ(button.styleSheet(), checked_sheet);
    button.set_type(QStringLiteral("dark"));
    EXPECT_FALSE(button.styleSheet().contains(QStringLiteral("QPushButton::checked")));
    EXPECT_TRUE(button.styleSheet().contains(QStringLiteral("QPushButton::pressed")));
    EXPECT_EQ(sheet, default_sheet());
}

TEST_F(painted_state, multicolour_checked_and_pressed_slots)
{
    QString const two = write_row({0xFF818885u, 0xFF000000u}, QStringLiteral("two.png"));
    button.set_multicolor_checked_icon(two, 0, 0, 0xFFF0F0F0u, 0xFF818885u);
    EXPECT_TRUE(button.checked_icon.multicolor);
    EXPECT_EQ(pixels_of(*button.checked_icon.highlight_image), (std::vector<QRgb>{0xFFF0F0F0u, 0xFF6F686Bu}));
    button.set_multicolor_pressed_icon(two, 0, 0, 0xFFF0F0F0u, 0xFF818885u);
    EXPECT_TRUE(button.pressed_icon.multicolor);
    EXPECT_FALSE(button.icon.multicolor);
    EXPECT_EQ(pixels_of(*button.pressed_icon.normal_image), (std::vector<QRgb>{0xFF818885u, 0xFF000000u}));
}

TEST_F(painted_state, pressed_icon_replaces_the_icon_while_down)
{
    QImage white(4, 4, QImage::Format_ARGB32);
    white.fill(0xFFFFFFFFu);
    button.set_pressed_icon(write(white, QStringLiteral("pressed.png")), -1, -1, 0xFF0000FFu, 0xFF00FF00u);
    EXPECT_EQ(centre(), 0xFF818885u);
    button.setDown(true);
    EXPECT_EQ(centre(), 0xFF00FF00u);
}

TEST_F(painted_state, slot_painter_on_a_foreign_button_throws_the_assertion_text)
{
    QPushButton plain;
    QImage canvas(4, 4, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    auto paint = button.icon.get_custom_paint_ex(0, 0);
    try {
        paint(painter, &plain);
        FAIL() << "no assertion";
    } catch (std::string const& text) {
        EXPECT_EQ(text.rfind("assert \"bd\" failed at varo_toolkit/varo/button_dark.cpp:", 0), 0u) << text;
        EXPECT_NE(text.find(" in "), std::string::npos) << text;
        EXPECT_NE(text.find("varo::button_dark::img_highlighter::get_custom_paint_ex(int, int)"), std::string::npos)
            << text;
        EXPECT_EQ(text.back(), '\n');
    }
}

TEST(button_dark, custom_painter_draws_last_and_base_can_be_skipped)
{
    varo::button_dark button(nullptr);
    button.resize(12, 12);
    button.draw_base = false;
    button.custom_painter = [](QPainter& painter) { painter.fillRect(2, 2, 3, 3, QColor(1, 2, 3)); };
    QImage const image = button.grab().toImage();
    EXPECT_EQ(image.pixel(3, 3), qRgb(1, 2, 3));
}

void send_mouse(QWidget& widget, QEvent::Type type, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(widget.width() / 2, widget.height() / 2), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, modifiers);
    QApplication::sendEvent(&widget, &event);
}

TEST(button_dark, clicked_slot_sees_the_modifiers_of_the_press)
{
    varo::button_dark button(nullptr);
    button.resize(40, 20);
    QStringList order;
    Qt::KeyboardModifiers seen;
    button.release_callback = [&order](QMouseEvent*) { order << QStringLiteral("release"); };
    QObject::connect(&button, &QPushButton::clicked, [&] {
        order << QStringLiteral("clicked");
        seen = button.modifiers();
    });
    send_mouse(button, QEvent::MouseButtonPress, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(button.modifiers(), Qt::ShiftModifier | Qt::ControlModifier);
    send_mouse(button, QEvent::MouseButtonRelease, Qt::NoModifier);
    EXPECT_EQ(seen, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(button.modifiers(), Qt::NoModifier);
    EXPECT_EQ(order, (QStringList{QStringLiteral("release"), QStringLiteral("clicked")}));
}

TEST(button_dark, drags_are_accepted_and_drops_go_to_the_callback)
{
    varo::button_dark button(nullptr);
    // Qt delivers drags only to widgets that accept drops; the owner turns it on.
    button.setAcceptDrops(true);
    QMimeData data;
    data.setText(QStringLiteral("x"));
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);

    QDropEvent* received = nullptr;
    button.drop_callback = [&received](QDropEvent* event) { received = event; };
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &drop);
    EXPECT_EQ(received, &drop);
}

// A border image that fails to load leaves the frame silently unpainted, so
// the rendered edge must show the resource's own edge colour.
TEST(button_dark, every_border_image_family_renders_from_the_resources)
{
    struct row {
        QString type;
        bool down;
        QString image;
    };
    for (row const& r : {row{QStringLiteral("dark"), false, QStringLiteral(":/gui/button/dark_normal.png")},
                         row{QStringLiteral("dark"), true, QStringLiteral(":/gui/button/dark_pressed.png")},
                         row{QStringLiteral("header"), false, QStringLiteral(":/gui/button/header_normal.png")},
                         row{QStringLiteral("header"), true, QStringLiteral(":/gui/button/header_pressed.png")},
                         row{QStringLiteral("blank"), false, QStringLiteral(":/gui/button/blank_normal.png")},
                         row{QStringLiteral("blank"), true, QStringLiteral(":/gui/button/blank_pressed.png")}}) {
        QImage const source(r.image);
        ASSERT_FALSE(source.isNull()) << r.image.toStdString();
        varo::button_dark button(QStringLiteral("OK"), nullptr);
        button.set_type(r.type);
        button.setDown(r.down);
        button.resize(60, 30);
        QImage const grabbed = button.grab().toImage();
        QRgb const edge = source.pixel(0, source.height() / 2);
        if (qAlpha(edge) == 255) {
            EXPECT_EQ(grabbed.pixel(0, 15), edge) << r.image.toStdString();
        }
    }
}

}
