#include "varo/button_dark.h"

#include "varo/toolkit_assert.h"
#include "varo/widget_resources.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace varo {

namespace {

// Recolouring walks the raw bytes blue, green, red, alpha of a 32-bit ARGB
// image; other formats (indexed, grey) are converted first so that every
// pixel really is four bytes.
QImage load_argb(QString const& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

template <typename Change>
void for_each_pixel(QImage& image, Change change)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 4)
            change(pixel);
    }
}

void paint_colour(QImage& image, pixel_argb const& colour)
{
    for_each_pixel(image, [&colour](uchar* pixel) {
        pixel[0] = colour.b;
        pixel[1] = colour.g;
        pixel[2] = colour.r;
    });
}

void halve_alpha(QImage& image)
{
    for_each_pixel(image, [](uchar* pixel) { pixel[3] = static_cast<uchar>(pixel[3] >> 1); });
}

// The icon pixel closest to the normal colour; its first occurrence wins.
pixel_argb reference_colour(QImage& image, pixel_argb const& colour)
{
    pixel_argb reference(0xFF000000u);
    int best = 765;
    for (int y = 0; y < image.height() && best > 0; ++y) {
        uchar const* pixel = image.constScanLine(y);
        for (int x = 0; x < image.width() && best > 0; ++x, pixel += 4) {
            int const distance =
                std::abs(pixel[0] - colour.b) + std::abs(pixel[1] - colour.g) + std::abs(pixel[2] - colour.r);
            if (distance < best) {
                best = distance;
                reference.b = pixel[0];
                reference.g = pixel[1];
                reference.r = pixel[2];
            }
        }
    }
    return reference;
}

uchar shifted(int value, int target, int reference)
{
    return static_cast<uchar>(std::clamp(value + target - reference, 0, 255));
}

void shift_colours(QImage& image, pixel_argb const& reference, pixel_argb const& target)
{
    for_each_pixel(image, [&reference, &target](uchar* pixel) {
        pixel[0] = shifted(pixel[0], target.b, reference.b);
        pixel[1] = shifted(pixel[1], target.g, reference.g);
        pixel[2] = shifted(pixel[2], target.r, reference.r);
    });
}

int centred(int offset, int outer, int inner)
{
    return offset == -1 ? (outer - inner) / 2 : offset;
}

}

bool button_dark::enable_padding = true;

void button_dark::img_highlighter::update()
{
    if (path.isEmpty())
        return;
    normal_image = std::make_unique<QImage>(load_argb(path));
    highlight_image = std::make_unique<QImage>(load_argb(path));
    disabled_image = std::make_unique<QImage>(load_argb(path));
    create_images(*normal_image, *highlight_image, *disabled_image);
    width = normal_image->width();
}

void button_dark::img_highlighter::create_images(QImage& normal, QImage& highlighted, QImage& disabled) const
{
    if (multicolor) {
        shift_colours(highlighted, reference_colour(normal, colour), highlight);
    } else {
        paint_colour(normal, colour);
        paint_colour(highlighted, highlight);
        paint_colour(disabled, colour);
    }
    halve_alpha(disabled);
}

std::function<void(QPainter&, QPushButton*)> button_dark::img_highlighter::get_custom_paint_ex(int x, int y)
{
    return [this, x, y](QPainter& painter, QPushButton* button) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        auto* bd = qobject_cast<button_dark*>(button);
        VARO_ASSERT(bd);
        bool const checked = bd->isCheckable() && bd->isChecked();
        if (normal_image) {
            QImage const* image = normal_image.get();
            if (!bd->isEnabled())
                image = disabled_image.get();
            else if (bd->underMouse() || (bd->highlight_icon_when_checked && checked))
                image = highlight_image.get();
            painter.drawImage(centred(x, bd->width(), normal_image->width()),
                              centred(y, bd->height(), normal_image->height()), *image);
        }
        if (bd->draw_checked_frame && checked) {
            painter.setPen(QPen(QColor(129, 136, 133), 2, Qt::SolidLine));
            painter.drawRect(0, 0, bd->width(), bd->height());
        }
    };
}

button_dark::button_dark(QWidget* parent) : button_dark(QString(), parent) {}

button_dark::button_dark(QString const& text, QWidget* parent)
    : QPushButton(text, parent),
      base_template(QStringLiteral("QPushButton{color:rgb(198,213,210);border-style:none;border-width:3px;"
                                   "border-image:url(:/gui/button/%1_normal.png) 3 stretch;text-align:%2;%3;"
                                   "background:transparent;")
                    + (enable_padding ? QStringLiteral("padding: 0.25em 1em;") : QString())
                    + QStringLiteral("}QPushButton::hover{color:#f0f0f0;}QToolTip{border:1px solid rgb(99,99,99);"
                                     "background-image:none;background-color:rgb(47,47,47);}")),
      disabled_template(QStringLiteral("QPushButton::disabled{color:rgba(129,136,133,50%);}")),
      disabled_color_template(QStringLiteral("QPushButton::disabled{color:rgba(%1,%2,%3,50%);}")),
      checked_template(QStringLiteral("QPushButton::checked{border-style:none;border-width:3px;"
                                      "border-image:url(:/gui/button/%1_pressed.png) 3 stretch;}")),
      pressed_template(QStringLiteral("QPushButton::pressed{border-style:none;border-width:3px;"
                                      "border-image:url(:/gui/button/%1_pressed.png) 3 stretch;}")),
      padding_template(QStringLiteral("padding-left: %1px; padding-right: %1px;")),
      default_type(QStringLiteral("dark")),
      default_align(QStringLiteral("center")),
      type(default_type),
      text_align(default_align)
{
    init_widget_resources();
    update_stylesheet();
    setFocusPolicy(Qt::NoFocus);
}

void button_dark::set_type(QString const& new_type)
{
    type = new_type;
    update_stylesheet();
}

void button_dark::set_text_align(QString const& align)
{
    text_align = align;
    update_stylesheet();
}

void button_dark::set_style(bool checked_frame, bool checked_border, bool highlight_when_checked, bool pressed_border)
{
    draw_checked_frame = checked_frame;
    use_checked_border = checked_border;
    highlight_icon_when_checked = highlight_when_checked;
    use_pressed_border = pressed_border;
    update_stylesheet();
}

void button_dark::set_extra_padding(int pixels)
{
    extra_padding = pixels;
    update_stylesheet();
}

void button_dark::set_text_color(pixel_argb const& colour)
{
    text_color = colour;
    has_text_color = true;
    update_stylesheet();
}

void button_dark::reset_text_color()
{
    has_text_color = false;
    update_stylesheet();
}

void button_dark::fill_slot(img_highlighter& slot, QString const& path, pixel_argb const& highlight,
                            pixel_argb const& colour)
{
    slot.colour = colour;
    slot.highlight = highlight;
    slot.update();
    if (!QFile::exists(path))
        qDebug() << "Can't open icon" << path;
    slot.path = path;
    slot.update();
}

void button_dark::set_icon(QString const& path, int x, int y, pixel_argb const& highlight, pixel_argb const& colour)
{
    fill_slot(icon, path, highlight, colour);
    icon_painter = icon.get_custom_paint_ex(x, y);
    QWidget::update();
}

void button_dark::set_multicolor_icon(QString const& path, int x, int y, pixel_argb const& highlight,
                                      pixel_argb const& colour)
{
    icon.multicolor = true;
    icon.update();
    set_icon(path, x, y, highlight, colour);
}

void button_dark::set_checked_icon(QString const& path, int x, int y, pixel_argb const& highlight,
                                   pixel_argb const& colour)
{
    fill_slot(checked_icon, path, highlight, colour);
    use_checked_border = false;
    auto checked = checked_icon.get_custom_paint_ex(x, y);
    auto normal = icon.get_custom_paint_ex(x, y);
    icon_painter = [this, checked, normal](QPainter& painter, QPushButton* button) {
        (isChecked() ? checked : normal)(painter, button);
    };
    QWidget::update();
}

void button_dark::set_multicolor_checked_icon(QString const& path, int x, int y, pixel_argb const& highlight,
                                              pixel_argb const& colour)
{
    checked_icon.multicolor = true;
    checked_icon.update();
    set_checked_icon(path, x, y, highlight, colour);
}

void button_dark::set_pressed_icon(QString const& path, int x, int y, pixel_argb const& highlight,
                                   pixel_argb const& colour)
{
    fill_slot(pressed_icon, path, highlight, colour);
    auto pressed = pressed_icon.get_custom_paint_ex(x, y);
    auto normal = icon.get_custom_paint_ex(x, y);
    icon_painter = [this, pressed, normal](QPainter& painter, QPushButton* button) {
        (isDown() ? pressed : normal)(painter, button);
    };
    QWidget::update();
}

void button_dark::set_multicolor_pressed_icon(QString const& path, int x, int y, pixel_argb const& highlight,
                                              pixel_argb const& colour)
{
    pressed_icon.multicolor = true;
    pressed_icon.update();
    set_pressed_icon(path, x, y, highlight, colour);
}

void button_dark::adjust_width_to_icon(int a, int b)
{
    setFixedWidth(a + b + icon.width);
}

Qt::KeyboardModifiers button_dark::modifiers() const
{
    return pressed_modifiers;
}

QString button_dark::extra_declarations() const
{
    QString extra;
    if (extra_padding != 0)
        extra += padding_template.arg(extra_padding);
    if (has_text_color)
        extra += QStringLiteral("color:rgba(%1,%2,%3,%4);")
                     .arg(text_color.r)
                     .arg(text_color.g)
                     .arg(text_color.b)
                     .arg(text_color.a);
    return extra;
}

void button_dark::update_stylesheet()
{
    QString sheet = base_template;
    if (use_checked_border)
        sheet += checked_template;
    if (use_pressed_border)
        sheet += pressed_template;
    // Derived buttons bring templates without some of the markers, so each is
    // filled only where it stands.
    sheet.replace(QLatin1String("%1"), type).replace(QLatin1String("%2"), text_align);
    if (has_text_color)
        sheet += disabled_color_template.arg(text_color.r).arg(text_color.g).arg(text_color.b);
    else
        sheet += disabled_template;
    setStyleSheet(sheet.replace(QLatin1String("%3"), extra_declarations()));
}

void button_dark::mousePressEvent(QMouseEvent* event)
{
    pressed_modifiers = event->modifiers();
    QPushButton::mousePressEvent(event);
}

void button_dark::mouseReleaseEvent(QMouseEvent* event)
{
    if (release_callback)
        release_callback(event);
    QPushButton::mouseReleaseEvent(event);
    pressed_modifiers = Qt::NoModifier;
}

void button_dark::paintEvent(QPaintEvent* event)
{
    if (draw_base)
        QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (icon_painter)
        icon_painter(painter, this);
    if (custom_painter)
        custom_painter(painter);
}

void button_dark::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void button_dark::dropEvent(QDropEvent* event)
{
    if (drop_callback)
        drop_callback(event);
    else
        QPushButton::dropEvent(event);
}

}
