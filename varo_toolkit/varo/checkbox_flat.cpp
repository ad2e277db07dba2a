#include "varo/checkbox_flat.h"

#include <QPainter>

#include <utility>

namespace varo {

checkbox_flat::checkbox_flat(QString const& text, QWidget* parent, bool checked, QImage checked_image,
                             QImage unchecked_image, QImage disabled_image)
    : checkbox(text, parent, checked),
      checked_image(std::move(checked_image)),
      unchecked_image(std::move(unchecked_image)),
      disabled_image(std::move(disabled_image))
{
}

QSize checkbox_flat::drawn_size(QSize const& checked_size)
{
    if (checked_size.isEmpty())
        return QSize();
    double const ratio = static_cast<double>(checked_size.width()) / checked_size.height();
    if (ratio > 9999.0 / 14)
        return QSize(9999, static_cast<int>(9999 / ratio));
    return QSize(static_cast<int>(ratio * 14), 14);
}

void checkbox_flat::paintEvent(QPaintEvent* event)
{
    QCheckBox::paintEvent(event);
    // Without a checked image the aspect ratio is undefined; draw no image.
    QSize const size = drawn_size(checked_image.size());
    if (size.isEmpty())
        return;
    QImage const& image = !isEnabled() ? disabled_image : (isChecked() ? checked_image : unchecked_image);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, height() / 2 - size.height() / 2), size), image);
}

}
