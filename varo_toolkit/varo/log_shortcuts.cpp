#include "varo/log_shortcuts.h"

#include "varo/application_log.h"

#include <QKeySequence>
#include <QShortcut>

namespace varo {

void install_log_shortcuts(application_log* log, QWidget* window)
{
    for (const int key : {Qt::Key_L, Qt::Key_R}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key), window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, log, &application_log::open_log_window);
    }
}

}
