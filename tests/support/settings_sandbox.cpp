#include "settings_sandbox.h"

#include <QCoreApplication>
#include <QSettings>

settings_sandbox::settings_sandbox()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QSettings().clear();
}

void settings_sandbox::set(QString const& key, QString const& value)
{
    QSettings().setValue(key, value);
}
