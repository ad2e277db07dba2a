// Paints the application's images: the header bar and about-box backgrounds,
// the two logos and the button icons. Single-colour icons are recoloured by
// the buttons, so only their alpha counts; the convert icon is multicolour and
// holds the buttons' normal colour rgb(129,136,133) as its reference.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QtMath>

#include <cstdio>

namespace {

QColor const glyph(198, 213, 210);
QColor const icon_grey(129, 136, 133);
QColor const accent_warm(214, 138, 74);
QColor const accent_cool(92, 158, 196);

QImage blank_image(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QFont bold_font(int pixel_size)
{
    QFont font(QStringLiteral("FreeSans"));
    font.setBold(true);
    font.setPixelSize(pixel_size);
    return font;
}

QFont regular_font(int pixel_size)
{
    QFont font(QStringLiteral("FreeSans"));
    font.setPixelSize(pixel_size);
    return font;
}

QImage open_icon()
{
    QImage image = blank_image(15, 12);
    QPainter painter(&image);
    prepare(painter);
    QPainterPath folder;
    folder.moveTo(0.5, 1.5);
    folder.lineTo(5, 1.5);
    folder.lineTo(6.5, 3);
    folder.lineTo(14.5, 3);
    folder.lineTo(14.5, 11.5);
    folder.lineTo(0.5, 11.5);
    folder.closeSubpath();
    painter.fillPath(folder, glyph);
    // A gap between the tab and the body makes the folder read at this size.
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(QRect(1, 4, 13, 1), Qt::transparent);
    return image;
}

QPainterPath page(QRectF const& box, qreal fold)
{
    QPainterPath path;
    path.moveTo(box.left(), box.top());
    path.lineTo(box.right() - fold, box.top());
    path.lineTo(box.right(), box.top() + fold);
    path.lineTo(box.right(), box.bottom());
    path.lineTo(box.left(), box.bottom());
    path.closeSubpath();
    return path;
}

// A preset page, an arrow and a stack of style cards.
QImage convert_icon()
{
    QImage image = blank_image(64, 38);
    QPainter painter(&image);
    prepare(painter);

    painter.fillPath(page(QRectF(2, 3, 20, 30), 6), icon_grey);
    for (int line = 0; line < 4; ++line)
        painter.fillRect(QRectF(6, 13 + line * 5, line == 3 ? 7 : 12, 2), accent_cool);

    QPainterPath arrow;
    arrow.moveTo(26, 15);
    arrow.lineTo(33, 15);
    arrow.lineTo(33, 10);
    arrow.lineTo(41, 18);
    arrow.lineTo(33, 26);
    arrow.lineTo(33, 21);
    arrow.lineTo(26, 21);
    arrow.closeSubpath();
    painter.fillPath(arrow, accent_warm);

    QColor const darker_grey(icon_grey.darker(135));
    painter.setPen(Qt::NoPen);
    painter.setBrush(darker_grey);
    painter.drawRoundedRect(QRectF(50, 3, 12, 26), 2, 2);
    painter.setBrush(icon_grey.darker(115));
    painter.drawRoundedRect(QRectF(47, 6, 12, 26), 2, 2);
    painter.setBrush(icon_grey);
    painter.drawRoundedRect(QRectF(44, 9, 12, 26), 2, 2);
    painter.setBrush(accent_warm);
    painter.drawEllipse(QRectF(46.5, 12, 7, 7));
    painter.setBrush(accent_cool);
    painter.drawRect(QRectF(46.5, 24, 7, 2));
    painter.drawRect(QRectF(46.5, 28, 7, 2));
    return image;
}

QImage settings_icon()
{
    QImage image = blank_image(16, 16);
    QPainter painter(&image);
    prepare(painter);
    QPointF const centre(8, 8);
    QPainterPath gear;
    int const teeth = 8;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        qreal const angle = tooth * 2 * M_PI / teeth;
        for (qreal const offset : {-0.22, 0.22}) {
            qreal const a = angle + offset;
            QPointF const outer(centre.x() + 7.5 * qCos(a), centre.y() + 7.5 * qSin(a));
            if (tooth == 0 && offset < 0)
                gear.moveTo(outer);
            else
                gear.lineTo(outer);
        }
        for (qreal const offset : {0.36, M_PI / teeth * 2 - 0.36}) {
            qreal const a = angle + offset;
            gear.lineTo(centre.x() + 5.6 * qCos(a), centre.y() + 5.6 * qSin(a));
        }
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 2.4, 2.4);
    painter.fillPath(gear.subtracted(hole), glyph);
    return image;
}

// A ring around a letter.
QImage ring_icon(QString const& letter)
{
    QImage image = blank_image(16, 16);
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(glyph, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    painter.setFont(bold_font(11));
    painter.setPen(glyph);
    painter.drawText(QRectF(0, 0.5, 16, 16), Qt::AlignCenter, letter);
    return image;
}

// The mark of the logos: a stylised falcon wing of three feathers.
void draw_mark(QPainter& painter, QRectF const& box)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 40, box.height() / 40);
    QColor const colours[] = {icon_grey, accent_cool, accent_warm};
    for (int feather = 0; feather < 3; ++feather) {
        QPainterPath path;
        qreal const shift = feather * 9;
        path.moveTo(4 + shift, 36);
        path.cubicTo(6 + shift, 18, 14 + shift, 8, 30 + shift * 0.3, 3 + shift * 0.4);
        path.cubicTo(22 + shift * 0.6, 14, 16 + shift, 26, 12 + shift, 36);
        path.closeSubpath();
        painter.fillPath(path, colours[feather]);
    }
    painter.restore();
}

QImage small_logo()
{
    QImage image = blank_image(354, 27);
    QPainter painter(&image);
    prepare(painter);
    draw_mark(painter, QRectF(2, 1, 25, 25));
    painter.setFont(bold_font(19));
    painter.setPen(glyph);
    painter.drawText(QRectF(34, 0, 120, 27), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KESTOVA"));
    painter.setFont(regular_font(12));
    painter.setPen(icon_grey);
    painter.drawText(QRectF(132, 0, 220, 27), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("preset converter"));
    return image;
}

QImage about_logo()
{
    QImage image = blank_image(348, 87);
    QPainter painter(&image);
    prepare(painter);
    draw_mark(painter, QRectF(6, 10, 66, 66));
    painter.setFont(bold_font(44));
    painter.setPen(glyph);
    painter.drawText(QRectF(86, 4, 262, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KESTOVA"));
    painter.setFont(regular_font(17));
    painter.setPen(icon_grey);
    painter.drawText(QRectF(88, 54, 260, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("preset converter"));
    return image;
}

// A background tile: a vertical gradient with a dark line at the bottom.
QImage bar(int height, QColor const& top, QColor const& bottom, QColor const& line)
{
    QImage image(16, height, QImage::Format_ARGB32);
    QPainter painter(&image);
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.fillRect(image.rect(), fill);
    painter.fillRect(QRect(0, height - 1, 16, 1), line);
    return image;
}

bool save(QImage const& image, QString const& folder, QString const& name)
{
    QString const path = folder + QLatin1Char('/') + name;
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool load_fonts(QString const& folder)
{
    for (char const* name : {"FreeSans.ttf", "FreeSansBold.ttf"}) {
        QString const path = folder + QLatin1Char('/') + QLatin1String(name);
        if (QFontDatabase::addApplicationFont(path) < 0) {
            std::fprintf(stderr, "cannot load %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <freefont folder> <resources/images folder>\n", argv[0]);
        return 2;
    }
    QString const folder = QString::fromLocal8Bit(argv[2]);
    if (!load_fonts(QString::fromLocal8Bit(argv[1])) || !QDir().mkpath(folder))
        return 1;
    bool const ok = save(open_icon(), folder, "icon_open.png") && save(convert_icon(), folder, "icon_convert.png")
                    && save(settings_icon(), folder, "icon_settings.png")
                    && save(ring_icon(QStringLiteral("i")), folder, "icon_about.png")
                    && save(ring_icon(QStringLiteral("?")), folder, "icon_help.png")
                    && save(small_logo(), folder, "logo_small.png") && save(about_logo(), folder, "logo.png")
                    && save(bar(97, QColor(40, 40, 40), QColor(30, 30, 30), QColor(20, 20, 20)), folder, "Head.png")
                    && save(bar(38, QColor(34, 34, 34), QColor(28, 28, 28), QColor(20, 20, 20)), folder,
                            "head_small_dark_without_shadow.png");
    return ok ? 0 : 1;
}
