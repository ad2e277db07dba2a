#include "varo/button_html.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTextDocument>

namespace varo {

namespace {

QPixmap html_face(QString const& html)
{
    QTextDocument document;
    document.setHtml(html);
    QSizeF const size = document.size();
    QPixmap face(static_cast<int>(size.width()), static_cast<int>(size.height()));
    if (face.isNull())
        return face;
    face.fill(Qt::transparent);
    QPainter painter(&face);
    document.drawContents(&painter, QRectF(face.rect()));
    return face;
}

}

button_html::button_html(QWidget* parent) : button_html(QString(), parent) {}

// The frame rectangle (0, 0)-(-1, -1) is not valid, so the flash uses the
// style sheet.
button_html::button_html(QString const& html, QWidget* parent) : button(parent, QRect(QPoint(0, 0), QPoint(-1, -1)))
{
    QPixmap const face = html_face(html);
    setIcon(QIcon(face));
    setIconSize(face.size());
}

}
