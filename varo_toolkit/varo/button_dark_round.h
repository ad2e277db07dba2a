#pragma once

#include "varo/button_dark_flat.h"

namespace varo {

// A flat dark button drawn as a rounded, filled box instead of a frame image.
class button_dark_round : public button_dark_flat {
    Q_OBJECT

public:
    explicit button_dark_round(QString const& text, QWidget* parent = nullptr);
};

}
