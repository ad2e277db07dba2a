#pragma once

#include <QColor>
#include <QLineEdit>

namespace varo {

// Line edit of the dark look whose border colour can be changed at run time.
class lineedit : public QLineEdit {
    Q_OBJECT

public:
    explicit lineedit(QWidget* parent);

    void update_style();

    QColor base_border;
    QColor border;
};

}
