#pragma once

#include <QRadioButton>

namespace varo {

// The toolkit's radio button, a class of its own so style sheets can select it.
class radio : public QRadioButton {
    Q_OBJECT

public:
    radio(QString const& text, QWidget* parent);
};

}
