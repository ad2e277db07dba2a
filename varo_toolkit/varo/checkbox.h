#pragma once

#include <QCheckBox>
#include <QColor>

namespace varo {

// Check box of the dark look; its indicator is drawn from images or as a
// plain coloured square.
class checkbox : public QCheckBox {
    Q_OBJECT

public:
    checkbox(QString const& text, QWidget* parent, bool checked);

    void init(int spacing, QColor const& indicator, QString const& checked_image, QString const& unchecked_image,
              QColor const& text);
};

}
