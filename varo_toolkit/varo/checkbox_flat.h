#pragma once

#include "varo/checkbox.h"

#include <QImage>

class QPaintEvent;

namespace varo {

// Check box that draws its state as one of three images over the standard box.
class checkbox_flat : public checkbox {
    Q_OBJECT

public:
    checkbox_flat(QString const& text, QWidget* parent, bool checked, QImage checked_image, QImage unchecked_image,
                  QImage disabled_image);

    // Size the state image is drawn at: 14 pixels high, the checked image's
    // aspect ratio kept, no side beyond 9999 pixels.
    static QSize drawn_size(QSize const& checked_size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage checked_image;
    QImage unchecked_image;
    QImage disabled_image;
};

}
