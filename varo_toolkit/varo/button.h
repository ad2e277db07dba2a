#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

class QMouseEvent;
class QPaintEvent;

namespace varo {

// Borderless push button that flashes a light frame for 200 ms when
// released: drawn at the given rectangle, or made with its style sheet
// when the rectangle is not valid.
class button : public QPushButton {
    Q_OBJECT

public:
    explicit button(QString const& text, QWidget* parent = nullptr);
    button(QWidget* parent, QRect rect);

public slots:
    void deaktivate_highlight();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    bool highlighted = false;
    QRect highlight_rect;
};

}
