#pragma once

#include <QLabel>

class QEvent;
class QMouseEvent;

namespace varo {

// A label that acts as a link: it reports left clicks and can underline
// itself while the mouse is over it.
class clickable_label : public QLabel {
    Q_OBJECT

public:
    clickable_label(QString const& text, bool hover_underline, QWidget* parent);

    void apply_style(bool underline);

    bool hover_underline;
    Qt::KeyboardModifiers modifiers;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

}
