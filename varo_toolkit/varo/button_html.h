#pragma once

#include "varo/button.h"

namespace varo {

// A varo::button whose face is a piece of HTML, rendered into its icon.
class button_html : public button {
    Q_OBJECT

public:
    explicit button_html(QWidget* parent = nullptr);
    explicit button_html(QString const& html, QWidget* parent = nullptr);
};

}
