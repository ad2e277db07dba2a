#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

// Gives a test its own settings store, so parallel tests never share one.
class settings_sandbox {
public:
    settings_sandbox()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
        QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        QSettings().clear();
    }

    void set(QString const& key, QString const& value) { QSettings().setValue(key, value); }

private:
    QTemporaryDir folder;
};
