#pragma once

#include "varo/pixel_argb.h"

#include <QImage>
#include <QPushButton>
#include <QString>

#include <functional>
#include <memory>

class QDragEnterEvent;
class QDropEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;

namespace varo {

// Push button of the dark look: the frame comes from stretched border images,
// the icon is recoloured once per change and only picked while painting.
class button_dark : public QPushButton {
    Q_OBJECT

public:
    // One icon slot with its three prepared images.
    struct img_highlighter {
        pixel_argb colour;
        pixel_argb highlight;
        QString path;
        std::unique_ptr<QImage> normal_image;
        std::unique_ptr<QImage> highlight_image;
        std::unique_ptr<QImage> disabled_image;
        int width = 0;
        bool multicolor = false;

        void update();
        void create_images(QImage& normal, QImage& highlight, QImage& disabled) const;
        std::function<void(QPainter&, QPushButton*)> get_custom_paint_ex(int x, int y);
    };

    explicit button_dark(QWidget* parent);
    button_dark(QString const& text, QWidget* parent);

    void set_type(QString const& type);
    void set_text_align(QString const& align);
    void set_style(bool draw_checked_frame, bool use_checked_border, bool highlight_icon_when_checked,
                   bool use_pressed_border);
    void set_extra_padding(int pixels);
    void set_text_color(pixel_argb const& colour);
    void reset_text_color();

    void set_icon(QString const& path, int x, int y, pixel_argb const& highlight, pixel_argb const& colour);
    void set_multicolor_icon(QString const& path, int x, int y, pixel_argb const& highlight, pixel_argb const& colour);
    void set_checked_icon(QString const& path, int x, int y, pixel_argb const& highlight, pixel_argb const& colour);
    void set_multicolor_checked_icon(QString const& path, int x, int y, pixel_argb const& highlight,
                                     pixel_argb const& colour);
    void set_pressed_icon(QString const& path, int x, int y, pixel_argb const& highlight, pixel_argb const& colour);
    void set_multicolor_pressed_icon(QString const& path, int x, int y, pixel_argb const& highlight,
                                     pixel_argb const& colour);

    void adjust_width_to_icon(int a, int b);
    Qt::KeyboardModifiers modifiers() const;
    void update_stylesheet();

    // Read once per construction.
    static bool enable_padding;

    std::function<void(QPainter&)> custom_painter;
    std::function<void(QDropEvent*)> drop_callback;
    std::function<void(QMouseEvent*)> release_callback;
    bool draw_base = true;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    QString base_template;
    QString disabled_template;
    QString disabled_color_template;
    QString checked_template;
    QString pressed_template;
    QString padding_template;
    QString default_type;
    QString default_align;
    QString type;
    QString text_align;
    img_highlighter icon;
    img_highlighter checked_icon;
    img_highlighter pressed_icon;
    bool draw_checked_frame = false;
    bool highlight_icon_when_checked = true;
    bool use_checked_border = true;
    bool use_pressed_border = true;
    int extra_padding = 0;
    pixel_argb text_color;
    bool has_text_color = false;
    Qt::KeyboardModifiers pressed_modifiers;
    std::function<void(QPainter&, QPushButton*)> icon_painter;

private:
    void fill_slot(img_highlighter& slot, QString const& path, pixel_argb const& highlight, pixel_argb const& colour);
    QString extra_declarations() const;
};

}
