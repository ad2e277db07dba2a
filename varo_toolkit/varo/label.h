#pragma once

#include <QLabel>

#include <functional>

class QPaintEvent;
class QPainter;

namespace varo {

// A label that a painter function can draw instead of the standard painting.
class label : public QLabel {
public:
    label(QString const& text, QWidget* parent);

    std::function<void(QPainter&)> painter;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}
