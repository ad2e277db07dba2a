#pragma once

#include <QString>

class QVBoxLayout;

// One library of the "About 3rd party libraries" dialog.
struct library_entry {
    QString name;
    QString text;
    QString license_path;

    // The caller takes the layout and its widgets.
    QVBoxLayout* create_layout() const;
};
