#include "fuzz_environment.h"

#include <QCoreApplication>
#include <QSettings>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

// The readers log every line they read; printing that would be most of the
// time spent per input.
void drop_message(QtMsgType, QMessageLogContext const&, QString const&) {}

// "Adobe" stands for every text that is not one of the five, which selects
// the identity table.
char const* const colorspaces[] = {"raw", "adobe", "srgb", "prophoto", "widegamut", "Adobe"};

QSettings& settings_store()
{
    static QSettings store;
    return store;
}

}

fuzz_environment& fuzz_environment::instance()
{
    static fuzz_environment environment;
    return environment;
}

fuzz_environment::fuzz_environment() : input_path(folder.filePath(QStringLiteral("input")))
{
    qInstallMessageHandler(drop_message);
    QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

QString fuzz_environment::write_input(std::uint8_t const* data, std::size_t size)
{
    QByteArray const path = input_path.toLocal8Bit();
    std::FILE* file = std::fopen(path.constData(), "wb");
    bool const written = file && (size == 0 || std::fwrite(data, 1, size, file) == size);
    if (file)
        std::fclose(file);
    // The log is silenced, so a failure to stage the input says so itself.
    if (!written) {
        std::fprintf(stderr, "can't write the fuzz input to %s\n", path.constData());
        std::abort();
    }
    return input_path;
}

// Every input picks a colour space from the sum of its bytes, so a mutation
// anywhere also changes the space. The store object stays alive, so
// create_costyle's own QSettings sees each change without a file write.
void fuzz_environment::choose_colorspace(std::uint8_t const* data, std::size_t size)
{
    std::size_t choice = 0;
    for (std::size_t n = 0; n < size; ++n)
        choice += data[n];
    std::size_t const count = sizeof colorspaces / sizeof colorspaces[0];
    settings_store().setValue(QStringLiteral("colorspace"), QString::fromLatin1(colorspaces[choice % count]));
}
