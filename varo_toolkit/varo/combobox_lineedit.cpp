#include "varo/combobox_lineedit.h"

#include <QTimer>

namespace varo {

void combobox_lineedit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A click that gives focus would clear a selection made right away.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

}
