// Paints the toolkit's widget images: the button border images (3-pixel
// stretchable edges), the combo-box arrow and the check-box indicators.
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <cstdio>

namespace {

struct frame_look {
    QColor border;
    QColor top;
    QColor bottom;
};

QImage blank_image(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// 12x12 so that each 3-pixel edge surrounds a stretchable middle.
QImage button_frame(frame_look const& look)
{
    QImage image = blank_image(12, 12);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 12);
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    painter.setPen(QPen(look.border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 11, 11), 2, 2);
    return image;
}

QImage arrow()
{
    QImage image = blank_image(10, 6);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(10, 0);
    path.lineTo(5, 6);
    path.closeSubpath();
    painter.fillPath(path, QColor(198, 213, 210));
    return image;
}

QImage indicator(QColor const& border, QColor const& fill, QColor const& mark, bool checked)
{
    QImage image = blank_image(14, 14);
    QPainter painter(&image);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRect(QRectF(0.5, 0.5, 13, 13));
    if (checked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(mark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(3.5, 7.5);
        tick.lineTo(6, 10);
        tick.lineTo(10.5, 4);
        painter.drawPath(tick);
    }
    return image;
}

bool save(QImage const& image, QString const& folder, QString const& name)
{
    QString const path = folder + QLatin1Char('/') + name;
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources/gui folder>\n", argv[0]);
        return 2;
    }
    QString const folder = QString::fromLocal8Bit(argv[1]);
    QColor const box_border(99, 99, 99);
    QColor const box_fill(36, 36, 36);
    QColor const mark(198, 213, 210);
    QColor const disabled_border(75, 75, 75);
    QColor const disabled_fill(47, 47, 47);
    QColor const disabled_mark(100, 100, 100);
    QColor const none(0, 0, 0, 0);
    bool const ok =
        save(button_frame({QColor(28, 28, 28), QColor(58, 58, 58), QColor(48, 48, 48)}), folder,
             "button/dark_normal.png")
        && save(button_frame({QColor(22, 22, 22), QColor(32, 32, 32), QColor(38, 38, 38)}), folder,
                "button/dark_pressed.png")
        && save(button_frame({none, none, none}), folder, "button/blank_normal.png")
        && save(button_frame({QColor(255, 255, 255, 24), QColor(255, 255, 255, 16), QColor(255, 255, 255, 16)}), folder,
                "button/blank_pressed.png")
        && save(button_frame({QColor(52, 52, 52), QColor(40, 40, 40), QColor(36, 36, 36)}), folder,
                "button/header_normal.png")
        && save(button_frame({QColor(24, 24, 24), QColor(26, 26, 26), QColor(30, 30, 30)}), folder,
                "button/header_pressed.png")
        && save(arrow(), folder, "combobox/arrow.png")
        && save(indicator(box_border, box_fill, mark, false), folder, "checkbox/unchecked.png")
        && save(indicator(box_border, box_fill, mark, true), folder, "checkbox/checked.png")
        && save(indicator(disabled_border, disabled_fill, disabled_mark, false), folder,
                "checkbox/disabled_unchecked.png")
        && save(indicator(disabled_border, disabled_fill, disabled_mark, true), folder,
                "checkbox/disabled_checked.png");
    return ok ? 0 : 1;
}
