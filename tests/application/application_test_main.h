#pragma once

#include "varo/application_log.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Runs the tests of one executable in an application object whose home and
// configuration folders are temporary, so nothing real is touched. Qt's own
// dialogs are used, so that the tests can answer them.
template <class application_type = QApplication>
int run_application_tests(int argc, char** argv)
{
    QTemporaryDir home;
    QByteArray const home_path = QFile::encodeName(home.path());
    qputenv("HOME", home_path);
    qputenv("XDG_CONFIG_HOME", home_path + "/.config");
    qputenv("XDG_RUNTIME_DIR", home_path);
    qputenv("XDG_DATA_HOME", home_path + "/.local/share");
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    application_type app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("harlune.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));
    varo::application_log::init(&app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
