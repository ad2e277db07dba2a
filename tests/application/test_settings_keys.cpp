#include "settings_keys.h"

#include "qstring_printer.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

TEST(settings_keys, default_to_the_pictures_folder)
{
    QString const pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    ASSERT_FALSE(pictures.isEmpty());
    EXPECT_EQ(settings_keys::input_dir.key, QStringLiteral("input_dir"));
    EXPECT_EQ(settings_keys::input_dir.default_value.toString(), pictures);
    EXPECT_EQ(settings_keys::output_dir.key, QStringLiteral("output_dir"));
    EXPECT_EQ(settings_keys::output_dir.default_value.toString(), pictures);
}

}
