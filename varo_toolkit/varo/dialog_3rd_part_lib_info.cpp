#include "varo/dialog_3rd_part_lib_info.h"

#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace varo {

dialog_3rd_part_lib_info::dialog_3rd_part_lib_info(QWidget* parent) : QDialog(parent), layout(new QVBoxLayout)
{
    setWindowTitle(tr("About 3rd party libraries"));
    setStyleSheet(QStringLiteral("QDialog{background-color:rgb(47,47,47); color:rgb(198,213,210);}"));
    layout->setContentsMargins(20, 10, 20, 10);
    layout->setSpacing(10);
    setLayout(layout);

    auto* header = new QLabel(tr("%1 uses the following open source and/or 3rd party libraries:")
                                  .arg(QGuiApplication::applicationDisplayName()),
                              this);
    header->setStyleSheet(QStringLiteral("font-size:16px;"));
    layout->addWidget(header);

    add_entry({QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
               tr("This software dynamically links to Qt which is licensed under the LGPL license.\n"
                  "The source code of the Qt SDK can be found at https://download.qt.io/archive/qt/"),
               QString()});
}

void dialog_3rd_part_lib_info::add_entry(library_entry const& entry)
{
    layout->addLayout(entry.create_layout());
}

int dialog_3rd_part_lib_info::exec()
{
    setFixedSize(sizeHint());
    return QDialog::exec();
}

}
