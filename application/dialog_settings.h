#pragma once

#include <QDialog>

class QSettings;

namespace varo {
class combobox;
}

// The settings dialog: output format, target colour space and interface
// language, each stored the moment it changes.
class dialog_settings : public QDialog {
    Q_OBJECT

public:
    dialog_settings(QSettings* settings, QWidget* parent);

    void save_settings() const;

private:
    QSettings* settings;
    varo::combobox* format_box;
    varo::combobox* colorspace_box;
    varo::combobox* language_box;
};
