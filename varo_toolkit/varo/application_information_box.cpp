#include "varo/application_information_box.h"

#include "varo/build_info.h"
#include "varo/git_version.h"
#include "varo/message_box.h"

#include <QCoreApplication>
#include <QShortcut>
#include <QSysInfo>

namespace varo {

namespace {

// Fixed when this file is compiled, by the compiler that compiles it.
QString compiler_line()
{
#if defined(__clang__)
    return QStringLiteral("clang Version: \"" __clang_version__ "\"\n");
#elif defined(__GNUC__)
    return QStringLiteral("gcc Version: \"" __VERSION__ "\"\n");
#else
    return QStringLiteral("Compiler Version: unknown\n");
#endif
}

QString information_text(QMap<QString, QString> const& extra)
{
    QString text;
    text += QStringLiteral("OS: %1\n").arg(QSysInfo::prettyProductName());
    text += QStringLiteral("ABI: %1\n").arg(QSysInfo::buildAbi());
    text += compiler_line();
    text += QStringLiteral("\nApplication: %1\nVersion: %2\n")
                .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
    text += QStringLiteral("Build: %1\n").arg(QLatin1String(build_info::build_time));
    text += QStringLiteral("\n") + QString::fromStdString(git_version::versions_formatted());
    if (!extra.isEmpty()) {
        text += QStringLiteral("\n");
        for (auto pair = extra.cbegin(); pair != extra.cend(); ++pair)
            text += QStringLiteral("%1:\t\t%2\n").arg(pair.key(), pair.value());
    }
    return text;
}

}

void application_information_box::install(QWidget* window, QMap<QString, QString> extra)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), window);
    shortcut->setContext(Qt::ApplicationShortcut);
    QObject::connect(shortcut, &QShortcut::activated, shortcut, [window, extra] {
        message_box::information(window, QStringLiteral("Application Information"), information_text(extra),
                                 QMessageBox::Ok, QMessageBox::NoButton);
    });
}

}
