#pragma once

#include <QComboBox>

class QMouseEvent;
class QWheelEvent;

namespace varo {

// Combo box of the dark look; it can ignore the wheel, so scrolling a form
// never changes a choice by accident, and reports every click.
class combobox : public QComboBox {
    Q_OBJECT

public:
    combobox(bool ignore_wheel, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool ignore_wheel;
};

}
