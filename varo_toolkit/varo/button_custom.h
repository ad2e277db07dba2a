#pragma once

#include <QPushButton>

#include <functional>

class QDragEnterEvent;
class QDropEvent;
class QPaintEvent;
class QPainter;

namespace varo {

// A bare button painted entirely by `painter`; without one it is invisible.
class button_custom : public QPushButton {
    Q_OBJECT

public:
    explicit button_custom(QWidget* parent = nullptr);

    std::function<void(QPainter&)> painter;
    std::function<void(QDropEvent*)> drop_callback;

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}
