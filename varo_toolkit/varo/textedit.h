#pragma once

#include <QTextEdit>

namespace varo {

// The toolkit's text edit, a class of its own so style sheets can select it.
class textedit : public QTextEdit {
    Q_OBJECT

public:
    explicit textedit(QWidget* parent);
};

}
