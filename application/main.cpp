#include "application_resources.h"
#include "main_window.h"

#include "varo/application.h"
#include "varo/application_log.h"
#include "varo/language.h"
#include "varo/message_handler.h"
#include "varo/proxy_style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

void install_translator(QCoreApplication& app, QString const& file, QString const& folder = QString())
{
    auto* translator = new QTranslator(&app);
    // A missing catalogue leaves the texts in English.
    translator->load(file, folder);
    QCoreApplication::installTranslator(translator);
}

}

int main(int argc, char** argv)
{
    qSetMessagePattern(QStringLiteral("%{time hh:mm:ss.zzz} %{if-category}%{category}: %{endif}%{message}"));
    varo::install_qt_message_handler(true, false);
    QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("harlune.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    varo::application<MainWindow> app(argc, argv);
    auto* style = new varo::proxy_style;
    style->set_tooltip_delay(2000);
    QApplication::setStyle(style);

    // The catalogues are resources of the application library.
    init_application_resources();
    QString const lang = varo::get_language_suffix(QStringLiteral("lang"));
    install_translator(app, QStringLiteral("qt_") + lang, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    install_translator(app, QStringLiteral(":/translations/") + lang);
    install_translator(app, QStringLiteral(":/translations/toolkit_") + lang);

    varo::application_log::init(&app);

    app.window = new MainWindow(nullptr);
    QApplication::setQuitOnLastWindowClosed(true);
    app.window->setAttribute(Qt::WA_DeleteOnClose);
    app.window->show();
    return QApplication::exec();
}
