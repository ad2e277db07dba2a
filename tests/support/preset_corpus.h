#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <string>

// The real presets beside the repository, which the tests read in place.
namespace preset_corpus {

// The file or folder at `relative` within the corpus.
QString path(QString const& relative);
// Whether `path` lies in the corpus.
bool holds(QString const& path);
bool present();
std::string missing_message();

}

// Ends the running test as skipped, saying why, when the corpus is missing.
#define SKIP_WITHOUT_PRESET_CORPUS()                                                                                   \
    do {                                                                                                               \
        if (!preset_corpus::present())                                                                                 \
            GTEST_SKIP() << preset_corpus::missing_message();                                                          \
    } while (false)
