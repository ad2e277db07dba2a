#include "application_test_main.h"
#include "dialog_settings.h"

#include "qstring_printer.h"
#include "settings_sandbox.h"

#include "varo/combobox.h"

#include <QAbstractButton>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

class dialog_settings_test : public ::testing::Test {
protected:
    // The boxes in the order of the rows: format, colour space, language.
    QList<varo::combobox*> boxes(dialog_settings const& dialog) const { return dialog.findChildren<varo::combobox*>(); }

    QString current(dialog_settings const& dialog, int row) const
    {
        return boxes(dialog)[row]->currentData().toString();
    }

    settings_sandbox sandbox;
    QSettings settings;
};

TEST_F(dialog_settings_test, offers_the_stored_values_with_their_texts)
{
    dialog_settings dialog(&settings, nullptr);
    auto const all = boxes(dialog);
    ASSERT_EQ(all.size(), 3);
    struct {
        QStringList texts;
        QStringList values;
        int minimum_width;
    } const rows[] = {
        {{"Separate Styles", "Stylepack", "Stylepack with Category"},
         {"separate", "stylepack", "stylepack_category"},
         220},
        {{"RAW", "JPG/TIF/etc. Adobe RGB", "JPG/TIF/etc. sRGB", "JPG/TIF/etc. ProPhoto RGB",
          "JPG/TIF/etc. Wide Gamut RGB"},
         {"raw", "adobe", "srgb", "prophoto", "widegamut"},
         220},
        {{"English", "Deutsch"}, {"en", "de"}, 120},
    };
    QStringList const labels{"Format", "Color Space", "Language"};
    auto* layout = qobject_cast<QFormLayout*>(dialog.layout());
    ASSERT_NE(layout, nullptr);
    for (int row = 0; row < 3; ++row) {
        QStringList texts;
        QStringList values;
        for (int item = 0; item < all[row]->count(); ++item) {
            texts.append(all[row]->itemText(item));
            values.append(all[row]->itemData(item, Qt::UserRole).toString());
        }
        EXPECT_EQ(texts, rows[row].texts);
        EXPECT_EQ(values, rows[row].values);
        EXPECT_EQ(all[row]->minimumWidth(), rows[row].minimum_width);
        EXPECT_EQ(all[row]->minimumHeight(), 22);
        EXPECT_EQ(all[row]->maximumHeight(), 22);
        EXPECT_FALSE(all[row]->isEditable());
        auto* label = qobject_cast<QLabel*>(layout->itemAt(row, QFormLayout::LabelRole)->widget());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), labels[row]);
        EXPECT_EQ(layout->itemAt(row, QFormLayout::FieldRole)->widget(), all[row]);
    }
}

TEST_F(dialog_settings_test, shows_the_stored_choice_or_its_fallback)
{
    struct {
        char const* key;
        char const* stored;
        int row;
        char const* shown;
    } const cases[] = {
        {"format", nullptr, 0, "separate"},
        {"format", "separate", 0, "separate"},
        {"format", "stylepack", 0, "stylepack"},
        {"format", "stylepack_category", 0, "stylepack_category"},
        {"format", "zip", 0, "stylepack_category"},
        {"colorspace", nullptr, 1, "raw"},
        {"colorspace", "adobe", 1, "adobe"},
        {"colorspace", "srgb", 1, "srgb"},
        {"colorspace", "prophoto", 1, "prophoto"},
        {"colorspace", "widegamut", 1, "widegamut"},
        {"colorspace", "cmyk", 1, "raw"},
        {"lang", nullptr, 2, "en"},
        {"lang", "de", 2, "de"},
        {"lang", "en", 2, "en"},
        {"lang", "fr", 2, "en"},
    };
    for (auto const& c : cases) {
        settings.clear();
        if (c.stored)
            settings.setValue(QLatin1String(c.key), QLatin1String(c.stored));
        dialog_settings dialog(&settings, nullptr);
        EXPECT_EQ(current(dialog, c.row), QLatin1String(c.shown)) << c.key << " " << (c.stored ? c.stored : "unset");
    }
}

TEST_F(dialog_settings_test, showing_stores_nothing)
{
    dialog_settings dialog(&settings, nullptr);
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(settings.allKeys(), QStringList());
}

// The test runs on a French system, which isn't offered: English is stored.
TEST_F(dialog_settings_test, any_change_stores_all_three)
{
    dialog_settings dialog(&settings, nullptr);
    boxes(dialog)[0]->setCurrentIndex(1);
    EXPECT_EQ(settings.value(QStringLiteral("format")), QStringLiteral("stylepack"));
    EXPECT_EQ(settings.value(QStringLiteral("colorspace")), QStringLiteral("raw"));
    EXPECT_EQ(settings.value(QStringLiteral("lang")), QStringLiteral("en"));
    boxes(dialog)[2]->setCurrentIndex(1);
    boxes(dialog)[1]->setCurrentIndex(4);
    EXPECT_EQ(settings.value(QStringLiteral("lang")), QStringLiteral("de"));
    EXPECT_EQ(settings.value(QStringLiteral("colorspace")), QStringLiteral("widegamut"));
    EXPECT_EQ(QSettings().value(QStringLiteral("colorspace")), QStringLiteral("widegamut"));
}

TEST_F(dialog_settings_test, is_a_fixed_dark_dialog_without_buttons)
{
    dialog_settings dialog(&settings, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(dialog.styleSheet(), QStringLiteral("QDialog{background-color:rgb(47,47,47); color:rgb(198,213,210);}"
                                                  "QComboBox{color:rgb(198,213,210);}"));
    Qt::WindowFlags const flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(dialog.minimumSize(), dialog.sizeHint());
    EXPECT_EQ(dialog.maximumSize(), dialog.sizeHint());
    EXPECT_EQ(dialog.layout()->contentsMargins(), QMargins(20, 10, 20, 10));
    EXPECT_EQ(dialog.layout()->spacing(), 10);
    EXPECT_EQ(qobject_cast<QFormLayout*>(dialog.layout())->fieldGrowthPolicy(), QFormLayout::AllNonFixedFieldsGrow);
    EXPECT_TRUE(dialog.findChildren<QAbstractButton*>().isEmpty());
}

TEST_F(dialog_settings_test, renders)
{
    settings.setValue(QStringLiteral("format"), QStringLiteral("stylepack_category"));
    dialog_settings dialog(&settings, nullptr);
    dialog.show();
    QString const path = QCoreApplication::applicationDirPath() + QStringLiteral("/dialog_settings.png");
    EXPECT_TRUE(dialog.grab().save(path));
}

}

int main(int argc, char** argv)
{
    // A system language the application doesn't offer.
    qputenv("LC_ALL", "fr_FR.UTF-8");
    qputenv("LANG", "fr_FR.UTF-8");
    return run_application_tests(argc, argv);
}
