#pragma once

#include <QLineEdit>

class QFocusEvent;

namespace varo {

// Line edit that selects its whole text on focus, so typing replaces it.
class combobox_lineedit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}
