#pragma once

#include <QMessageBox>

namespace varo {

// The toolkit's modal message box in the dark look. The static functions
// replace QMessageBox's; a box closed without a click answers Cancel.
class message_box : public QMessageBox {
public:
    // When set, every box run by the static functions logs its outcome.
    static bool verbose;

    message_box(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent);
    ~message_box() override;

    // Adds the buttons in ascending value order; the default is
    // default_button or, for NoButton, the first button of the accept role.
    void prepare_buttons(StandardButtons buttons, StandardButton default_button);
    StandardButton exec_logged();

    static StandardButton information(QWidget* parent, const QString& title, const QString& text,
                                      StandardButtons buttons = Ok, StandardButton default_button = NoButton);
    static StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                   StandardButtons buttons = StandardButtons(Yes | No),
                                   StandardButton default_button = NoButton);
    static StandardButton question(QWidget* parent, const QString& title, const QString& text, const QString& yes_text,
                                   const QString& no_text, StandardButton default_button = NoButton);
    static StandardButton question(QWidget* parent, const QString& title, const QString& text, const QString& yes_text,
                                   const QString& no_text, const QString& cancel_text,
                                   StandardButton default_button = NoButton);
    static StandardButton question(QWidget* parent, const QString& title, const QString& text, const QString& yes_text,
                                   const QString& no_text, const QString& yes_to_all_text,
                                   const QString& no_to_all_text, StandardButton default_button = NoButton);
    static StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                  StandardButtons buttons = Ok, StandardButton default_button = NoButton);
    static StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                   StandardButtons buttons = Ok, StandardButton default_button = NoButton);
    static StandardButton critical(QWidget* parent, const QString& title, const QString& text, const QString& yes_text,
                                   const QString& no_text, StandardButton default_button = NoButton);
};

}
