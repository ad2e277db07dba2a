#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a silent log, a private settings store and
// a scratch file that takes each input, since the readers take paths.
class fuzz_environment {
public:
    static fuzz_environment& instance();

    QString write_input(std::uint8_t const* data, std::size_t size);
    void choose_colorspace(std::uint8_t const* data, std::size_t size);

private:
    fuzz_environment();

    QTemporaryDir folder;
    QString input_path;
};
