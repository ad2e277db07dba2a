#include "conversion/lightroom_importer.h"

#include "importer_views.h"
#include "message_capture.h"
#include "preset_corpus.h"
#include "qstring_printer.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

QString corpus_file(char const* name)
{
    return preset_corpus::path(QStringLiteral("lrtemplate/") + QString::fromUtf8(name));
}

struct corpus_case {
    char const* file;
    char const* title;
    char const* key;
    char const* value;
    point_list master;
};

TEST(TemplateCorpus, ReadsRealTemplates)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    std::vector<corpus_case> const cases = {
        {"jolt__curve_deepContrast_01.lrtemplate",
         "curve_deepContrast_01",
         "ParametricHighlightSplit",
         "75",
         {{0, 12}, {28, 24}, {86, 90}, {255, 255}}},
        {"xsyn__Synaptic LRP- Night Subtle 1.lrtemplate",
         "Synaptic LRP: Night Subtle 1",
         "ToneCurveName",
         "Medium Contrast",
         {{0, 0}, {32, 22}, {64, 56}, {128, 128}, {192, 196}, {255, 255}}},
        {"mehim__Carter.lrtemplate", "Carter", "CameraProfile", "Portra 400⁺¹ - C", {}},
        {"mehim__BW - Seepia.lrtemplate", "BW - Sepia", "Blacks2012", "10", {}},
        {"mehim__preset.lrtemplate", "preset", "Contrast2012", "-25", {}},
        {"derryl__samplePreset.lrtemplate", "My Preset 70", "Exposure2012", "0.73", {}},
    };
    for (corpus_case const& c : cases) {
        SCOPED_TRACE(c.file);
        lightroom_importer importer;
        importer.read_lrpreset(corpus_file(c.file));
        EXPECT_EQ(importer.name, QString::fromUtf8(c.title));
        EXPECT_EQ(importer.settings.value(QString::fromUtf8(c.key)), QString::fromUtf8(c.value));
        if (!c.master.empty()) {
            EXPECT_EQ(points_of(importer.tone_curve), c.master);
        }
        EXPECT_FALSE(importer.settings.contains(QStringLiteral("ToneCurvePV2012")));
        EXPECT_FALSE(importer.settings.contains(QStringLiteral("ToneCurve")));
    }
}

TEST(TemplateCorpus, DeepContrastIsReadExactly)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    lightroom_importer importer;
    importer.read_lrpreset(corpus_file("jolt__curve_deepContrast_01.lrtemplate"));
    setting_list const expected = {
        {"ParametricDarks", "0"},
        {"ParametricHighlightSplit", "75"},
        {"ParametricHighlights", "0"},
        {"ParametricLights", "0"},
        {"ParametricMidtoneSplit", "50"},
        {"ParametricShadowSplit", "25"},
        {"ParametricShadows", "0"},
        {"ProcessVersion", "6.7"},
        {"ToneCurveName2012", "Custom"},
        {"id", "DB274DE1-BC0D-4A44-8BBA-DAA7DF92FD1F"},
        {"internalName", "curve_deepContrast_01"},
        {"title", "curve_deepContrast_01"},
        {"type", "Develop"},
        {"uuid", "55AC82AF-20FE-4CDB-A4B3-511551407494"},
        {"version", "0"},
    };
    EXPECT_EQ(settings_of(importer), expected);
    point_list const identity = {{0, 0}, {255, 255}};
    EXPECT_EQ(points_of(importer.tone_curve_red), identity);
    EXPECT_EQ(points_of(importer.tone_curve_green), identity);
    EXPECT_EQ(points_of(importer.tone_curve_blue), identity);
}

TEST(TemplateCorpus, LocalCorrectionArraysAreSkipped)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    lightroom_importer importer;
    importer.read_lrpreset(corpus_file("derryl__samplePreset.lrtemplate"));
    EXPECT_FALSE(importer.settings.contains(QStringLiteral("CorrectionAmount")));
    EXPECT_FALSE(importer.settings.contains(QStringLiteral("Angle")));
    EXPECT_EQ(importer.settings.value(QStringLiteral("Clarity2012")), QStringLiteral("20"));
    EXPECT_EQ(importer.settings.value(QStringLiteral("EnableCircularGradientBasedCorrections")),
              QStringLiteral("true"));
}

TEST(TemplateCorpus, EveryTemplateReadsWithItsTitle)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QDir const dir(preset_corpus::path(QStringLiteral("lrtemplate")));
    QStringList const files = dir.entryList({QStringLiteral("*.lrtemplate")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (QString const& file : files) {
        SCOPED_TRACE(file.toStdString());
        lightroom_importer importer;
        EXPECT_NO_THROW(importer.read_lrpreset(dir.filePath(file)));
        EXPECT_FALSE(importer.name.isEmpty());
        EXPECT_EQ(importer.name, importer.settings.value(QStringLiteral("title")));
        EXPECT_GT(importer.settings.size(), 5);
    }
}

// Hostile input.

TEST(TemplateBadInput, TruncatedRealTemplatesNeverMisbehave)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QFile file(corpus_file("jolt__usa_baker_01.lrtemplate"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString const text = QString::fromUtf8(file.readAll());
    message_capture quiet;
    int errors = 0;
    for (int length = 0; length <= text.size(); ++length) {
        lightroom_importer importer;
        try {
            importer.read_regular_lrpreset(text.left(length));
        } catch (std::runtime_error const&) {
            ++errors;
        }
    }
    EXPECT_GT(errors, text.size() / 2);
}

} // namespace
