#include "main_window.h"
#include "translators.h"

#include "varo/application.h"
#include "varo/application_log.h"
#include "varo/build_info.h"
#include "varo/language.h"
#include "varo/message_handler.h"
#include "varo/proxy_style.h"
#include "varo/timed_line.h"

#include <QApplication>

int main(int argc, char** argv)
{
    varo::set_message_pattern(QLatin1String(varo::timed_message_pattern));
    varo::install_qt_message_handler(true, false);
    QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("harlune.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QCoreApplication::setApplicationVersion(QLatin1String(varo::build_info::application_version));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    varo::application<MainWindow> app(argc, argv);
    auto* style = new varo::proxy_style;
    style->set_tooltip_delay(2000);
    QApplication::setStyle(style);

    install_translators(app, varo::get_language_suffix(QStringLiteral("lang")));

    varo::application_log::init(&app);

    app.window = new MainWindow(nullptr);
    QApplication::setQuitOnLastWindowClosed(true);
    app.window->setAttribute(Qt::WA_DeleteOnClose);
    app.window->show();
    return QApplication::exec();
}
