#pragma once

#include <QMap>
#include <QString>

class QWidget;

namespace varo {

// Ctrl+Shift+G anywhere in the application shows what exactly is running:
// system, compiler, build and the commit of every component.
class application_information_box {
public:
    static void install(QWidget* window, QMap<QString, QString> extra);
};

}
