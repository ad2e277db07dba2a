#pragma once

#include "varo/button_dark.h"

namespace varo {

// A varo::button_dark on a blank frame, without padding or type.
class button_dark_flat : public button_dark {
    Q_OBJECT

public:
    explicit button_dark_flat(QString const& text, QWidget* parent = nullptr);
};

}
