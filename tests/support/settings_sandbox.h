#pragma once

#include <QString>
#include <QTemporaryDir>

// Gives a test, or a whole test program, its own settings store, so parallel
// tests never share one and none touches the user's.
class settings_sandbox {
public:
    settings_sandbox();

    void set(QString const& key, QString const& value);

private:
    QTemporaryDir folder;
};
