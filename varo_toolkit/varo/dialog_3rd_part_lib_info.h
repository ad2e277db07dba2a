#pragma once

#include "varo/library_entry.h"

#include <QDialog>

class QVBoxLayout;

namespace varo {

// Lists the libraries the application uses, one entry below the other.
class dialog_3rd_part_lib_info : public QDialog {
    Q_OBJECT

public:
    explicit dialog_3rd_part_lib_info(QWidget* parent);

    void add_entry(library_entry const& entry);

public slots:
    int exec() override;

private:
    QVBoxLayout* layout;
};

}
