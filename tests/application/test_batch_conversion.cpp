// Drives the real main window through whole conversion runs: the convert
// button is clicked and every dialog and question is answered from a timer.
#include "application_test_main.h"
#include "main_window.h"
#include "preset_files.h"
#include "window_buttons.h"
#include "zip_reading.h"

#include "file_size_limit.h"
#include "message_capture.h"
#include "modal_script.h"
#include "preset_corpus.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <functional>
#include <iterator>

#include <gtest/gtest.h>

namespace {

QString const emphasis_open = QStringLiteral("<font color=\"white\"><b>");
QString const emphasis_close = QStringLiteral("</b></font>");

QString emphasised(QString const& name)
{
    return emphasis_open + name + emphasis_close;
}

class batch_conversion_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(output.path()).mkpath(QStringLiteral(".")));
        sandbox.set(QStringLiteral("input_dir"), input.path());
        sandbox.set(QStringLiteral("output_dir"), output.path());
    }

    void set_format(QString const& format) { sandbox.set(QStringLiteral("format"), format); }

    QString preset(QString const& name, QByteArray const& content) const
    {
        QString const path = input.filePath(name);
        EXPECT_TRUE(write_file(path, content));
        return path;
    }

    QString out(QString const& name) const { return output.filePath(name); }

    // Clicks the convert button with `script` answering; checks that the
    // script was used up and nothing else was shown.
    void convert(modal_script& script)
    {
        MainWindow window(nullptr);
        window.show();
        click_answered(window, QStringLiteral("Load Lightroom preset(s) and convert to Capture One."), script);
    }

    // Converts `names`, each of which gives nothing; the one box after the
    // run must list them as `lines`.
    void convert_to_nothing(QStringList const& names, QStringList const& lines)
    {
        modal_script script;
        script.choose_files(names).press(QMessageBox::Ok);
        convert(script);
        ASSERT_EQ(titles(script),
                  QStringList({QStringLiteral("Load Lightroom Template"), QStringLiteral("Nothing to convert")}));
        EXPECT_EQ(script.seen()[1].text,
                  QStringLiteral("No style was written for these %1 presets:<br/><br/>").arg(names.size())
                      + lines.join(QStringLiteral("<br/>")));
    }

    QStringList titles(modal_script const& script) const
    {
        QStringList result;
        for (seen_modal const& modal : script.seen())
            result.append(modal.title);
        return result;
    }

    settings_sandbox sandbox;
    QTemporaryDir input;
    QTemporaryDir output;
};

TEST_F(batch_conversion_test, separate_writes_one_style_file_per_preset)
{
    QString const cafe = preset(QStringLiteral("Café look.xmp"), xmp_preset(QStringLiteral("Café Look"), QString()));
    QString const matte = preset(QStringLiteral("matte.lrtemplate"), lua_preset(QStringLiteral("Matte")));
    QString const loud = preset(QStringLiteral("my.loud.XMP"), xmp_preset(QStringLiteral("Loud"), QString()));
    ASSERT_TRUE(write_file(out(QStringLiteral("matte.costyle")), QByteArray(20000, 'x')));
    message_capture messages;

    modal_script script;
    script
        .choose_files(
            {QStringLiteral("Café look.xmp"), QStringLiteral("matte.lrtemplate"), QStringLiteral("my.loud.XMP")})
        .press(QMessageBox::Yes);
    convert(script);

    ASSERT_EQ(script.seen().size(), 2);
    EXPECT_EQ(script.seen()[0].title, QStringLiteral("Load Lightroom Template"));
    EXPECT_EQ(script.seen()[1].title, QStringLiteral("Style already exists"));
    EXPECT_EQ(script.seen()[0].folder, input.path());
    EXPECT_EQ(script.seen()[0].filters, QStringList(QStringLiteral("Lightroom Templates(*.lrtemplate *.xmp)")));
    EXPECT_EQ(QSettings().value(QStringLiteral("input_dir")).toString(), input.path());

    struct {
        QString preset;
        QString style;
    } const written[] = {
        {cafe, QStringLiteral("Café look.costyle")},
        {matte, QStringLiteral("matte.costyle")},
        {loud, QStringLiteral("my.loud.costyle")},
    };
    for (auto const& file : written) {
        QByteArray const text = read_file(out(file.style));
        EXPECT_NE(masked(text), text) << "no UUID in " << file.style.toStdString();
        EXPECT_EQ(masked(text), expected_style(file.preset)) << file.style.toStdString();
        EXPECT_TRUE(messages.lines().contains(QStringLiteral("info: Wrote '%1'").arg(out(file.style))));
    }
    QString const xmp_settings = QStringLiteral("debug: QMap((\"Contrast2012\", \"+12\")(\"Exposure2012\", \"+0.40\")"
                                                "(\"about\", \"\"))");
    EXPECT_EQ(messages.lines().filter(QStringLiteral("debug: QMap(")),
              QStringList({xmp_settings,
                           QStringLiteral("debug: QMap((\"Exposure2012\", \"-0.25\")(\"Saturation\", \"15\")"
                                          "(\"title\", \"Matte\")(\"type\", \"Develop\")(\"version\", \"0\"))"),
                           xmp_settings}));
    EXPECT_TRUE(read_file(out(QStringLiteral("Café look.costyle"))).contains("V=\"Caf\xc3\xa9 Look\""));
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(batch_conversion_test, cancelling_the_preset_dialog_ends_the_run)
{
    sandbox.set(QStringLiteral("input_dir"), output.path());
    preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QString()));
    modal_script script;
    script.cancel();
    convert(script);
    EXPECT_EQ(QSettings().value(QStringLiteral("input_dir")).toString(), output.path());
    EXPECT_TRUE(QDir(output.path()).entryList(QDir::Files).isEmpty());
}

// Each pack format with two presets of the same base name: both are kept,
// the later under a numbered name, and the entries follow the names' order.
TEST_F(batch_conversion_test, packs_keep_every_style_of_one_name)
{
    struct {
        char const* format;
        char const* typed;
        char const* pack;
        char const* prefix;
    } const cases[] = {
        {"stylepack", "Looks.costylepack", "Looks.costylepack", ""},
        {"stylepack_category", "Category.costylepack", "Category.costylepack", "Category/"},
        {"stylepack_category", "My Looks", "My Looks.costylepack", "My Looks/"},
        {"something else", "Other.costylepack", "Other.costylepack", ""},
        {"stylepack_category", "Summer v1.5", "Summer v1.5.costylepack", "Summer v1.5/"},
        {"stylepack", "Summer.2024", "Summer.2024.costylepack", ""},
        {"stylepack", "Loud.COSTYLEPACK", "Loud.COSTYLEPACK", ""},
        {"stylepack_category", ".costylepack", ".costylepack", ""},
        {"stylepack_category", "...costylepack", "...costylepack", ""},
    };
    QString const a_template = preset(QStringLiteral("a.lrtemplate"), lua_preset(QStringLiteral("A template")));
    QString const a_xmp = preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A xmp"), QString()));
    QString const b_xmp = preset(QStringLiteral("b.xmp"), xmp_preset(QStringLiteral("B"), QString()));
    for (auto const& c : cases) {
        SCOPED_TRACE(c.format);
        set_format(QString::fromLatin1(c.format));
        QString const pack = out(QString::fromLatin1(c.pack));
        modal_script script;
        script.choose_files({QStringLiteral("a.xmp"), QStringLiteral("b.xmp"), QStringLiteral("a.lrtemplate")})
            .save_as(out(QString::fromLatin1(c.typed)));
        convert(script);

        ASSERT_EQ(script.seen().size(), 2);
        EXPECT_EQ(script.seen()[1].title, QStringLiteral("Name Capture One Stylepack"));
        EXPECT_EQ(script.seen()[1].folder, output.path());
        EXPECT_EQ(script.seen()[1].filters, QStringList(QStringLiteral("Capture One Stylepack(*.costylepack)")));

        zip_entries const entries = read_zip(pack);
        ASSERT_EQ(entries.size(), 3);
        QString const prefix = QString::fromLatin1(c.prefix);
        EXPECT_EQ(entries[0].first, prefix + QStringLiteral("a (2).costyle"));
        EXPECT_EQ(entries[1].first, prefix + QStringLiteral("a.costyle"));
        EXPECT_EQ(entries[2].first, prefix + QStringLiteral("b.costyle"));
        EXPECT_EQ(masked(entries[0].second), expected_style(a_template));
        EXPECT_EQ(masked(entries[1].second), expected_style(a_xmp));
        EXPECT_EQ(masked(entries[2].second), expected_style(b_xmp));
        EXPECT_FALSE(QFile::exists(out(QStringLiteral("a.costyle"))));
    }
}

TEST_F(batch_conversion_test, questions_decide_per_flag)
{
    QString const temperature = QStringLiteral("crs:Temperature=\"5600\"");
    QString const calibration = QStringLiteral("crs:RedHue=\"+12\"");
    QString const lut = QStringLiteral("crs:RGBTable=\"0123456789ABCDEF\"");
    preset(QStringLiteral("1_wb.xmp"), xmp_preset(QStringLiteral("One"), temperature));
    preset(QStringLiteral("2_wb.xmp"), xmp_preset(QStringLiteral("Two"), temperature));
    preset(QStringLiteral("3_wb_cal.xmp"), xmp_preset(QStringLiteral("Three"), temperature + ' ' + calibration));
    preset(QStringLiteral("4_cal.xmp"), xmp_preset(QStringLiteral("Four"), calibration));
    preset(QStringLiteral("5_lut.xmp"), xmp_preset(QStringLiteral("<Five>"), lut));
    preset(QStringLiteral("6_wb_lut.xmp"), xmp_preset(QStringLiteral("Six"), temperature + ' ' + lut));

    QStringList button_texts;
    modal_script script;
    script
        .choose_files({QStringLiteral("1_wb.xmp"), QStringLiteral("2_wb.xmp"), QStringLiteral("3_wb_cal.xmp"),
                       QStringLiteral("4_cal.xmp"), QStringLiteral("5_lut.xmp"), QStringLiteral("6_wb_lut.xmp")})
        .press(QMessageBox::No,
               [&button_texts](QMessageBox* box) {
                   for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::YesToAll, QMessageBox::NoToAll})
                       button_texts.append(box->button(button)->text());
                   EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
               })
        .press(QMessageBox::YesToAll)
        .press(QMessageBox::NoToAll)
        .press(QMessageBox::Yes)
        .press(QMessageBox::No);
    convert(script);

    EXPECT_EQ(button_texts, QStringList({QStringLiteral("Convert"), QStringLiteral("Skip"),
                                         QStringLiteral("Convert All"), QStringLiteral("Skip All")}));
    EXPECT_EQ(titles(script), QStringList({QStringLiteral("Load Lightroom Template"),
                                           QStringLiteral("White balance modified by preset"),
                                           QStringLiteral("White balance modified by preset"),
                                           QStringLiteral("Camera calibration modified by preset"),
                                           QStringLiteral("Unsupported parameters in preset"),
                                           QStringLiteral("Unsupported parameters in preset")}));
    ASSERT_EQ(script.seen().size(), 6);
    EXPECT_EQ(script.seen()[2].text,
              QStringLiteral("Your preset %1 contains values for the white balance.<br/><br/>Equal white balance "
                             "values can lead to different results in Capture One.<br/>Thus Kestova translates the "
                             "values instead of adapting them visually.<br/>Anyway we recommend to keep the white "
                             "balance settings for neutralizing the image instead of using them for creating a "
                             "look.<br/>For this reason they should not be inside a preset.")
                  .arg(emphasised(QStringLiteral("Two"))));
    EXPECT_EQ(script.seen()[3].text,
              QStringLiteral("The preset %1 contains values for the camera calibration.<br/>These settings may "
                             "influence the resulting look significantly but will not be converted to Capture "
                             "One.<br/>We recommend to reserve these parameters for the calibration of your camera "
                             "and not for creating creative looks.")
                  .arg(emphasised(QStringLiteral("Three"))));
    EXPECT_EQ(script.seen()[4].text,
              QStringLiteral("Your selected preset %1 contains the following parameters, which can't be mapped in "
                             "Capture One:<br/>- LUT<br/><br/>These parameters will be ignored.")
                  .arg(emphasised(QStringLiteral("&lt;Five&gt;"))));
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("2_wb.costyle"), QStringLiteral("5_lut.costyle")}));
}

TEST_F(batch_conversion_test, skip_all_drops_later_presets_without_a_box)
{
    QString const temperature = QStringLiteral("crs:IncrementalTemperature=\"+8\"");
    preset(QStringLiteral("1.xmp"), xmp_preset(QString(), temperature));
    preset(QStringLiteral("2.xmp"), xmp_preset(QStringLiteral("Two"), temperature + " crs:RGBTable=\"AB\""));
    preset(QStringLiteral("3.xmp"), xmp_preset(QStringLiteral("Three"), QString()));
    QStringList const files{QStringLiteral("1.xmp"), QStringLiteral("2.xmp"), QStringLiteral("3.xmp")};

    modal_script first;
    first.choose_files(files).press(QMessageBox::NoToAll);
    convert(first);
    ASSERT_EQ(first.seen().size(), 2);
    EXPECT_TRUE(first.seen()[1].text.startsWith(QStringLiteral("Your preset ") + emphasised(QString())));
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList(QStringLiteral("3.costyle")));

    // The answers of one run don't carry over to the next.
    ASSERT_TRUE(QFile::remove(out(QStringLiteral("3.costyle"))));
    modal_script second;
    second.choose_files(files).press(QMessageBox::NoToAll);
    convert(second);
}

TEST_F(batch_conversion_test, unreadable_presets_are_reported_and_skipped)
{
    QString const broken = preset(QStringLiteral("b.lrtemplate"), broken_lua_preset());
    QString const a = preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QString()));
    preset(QStringLiteral("c.lrtemplate.bak"), lua_preset(QStringLiteral("C")));
    QString parse_error;
    try {
        lightroom_importer().read_lrpreset(broken);
    } catch (std::runtime_error const& error) {
        parse_error = QString::fromUtf8(error.what());
    }
    ASSERT_FALSE(parse_error.isEmpty());

    modal_script script;
    script.choose_files({QStringLiteral("a.xmp"), QStringLiteral("b.lrtemplate"), QStringLiteral("c.lrtemplate.bak")})
        .press(QMessageBox::Ok)
        .press(QMessageBox::Ok);
    convert(script);

    ASSERT_EQ(script.seen().size(), 3);
    EXPECT_EQ(script.seen()[1].title, QStringLiteral("Can't read preset"));
    EXPECT_EQ(script.seen()[1].text,
              QStringLiteral("Your preset %1 can't be processed by Kestova.<br/><br/>Please contact the Harlune "
                             "support and send them a screenshot of this message and the preset file stated above "
                             "to support@harlune.example<br/><br/>Error: %2")
                  .arg(emphasised(QStringLiteral("b.lrtemplate")), parse_error.toHtmlEscaped()));
    EXPECT_EQ(script.seen()[2].title, QStringLiteral("Unsupported preset format"));
    EXPECT_EQ(script.seen()[2].text, QStringLiteral("Your preset %1 is in a format Kestova can't convert.")
                                         .arg(emphasised(QStringLiteral("c.lrtemplate.bak"))));
    EXPECT_EQ(masked(read_file(out(QStringLiteral("a.costyle")))), expected_style(a));
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files).size(), 1);
}

// The output folder of a fresh account may not exist yet: it is made. One
// that can't be made is reported once, before any question, and nothing is
// converted.
TEST_F(batch_conversion_test, a_missing_output_folder_is_made)
{
    QString const missing = output.filePath(QStringLiteral("missing/deeper"));
    sandbox.set(QStringLiteral("output_dir"), missing);
    QString const a = preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QString()));
    modal_script made;
    made.choose_files({QStringLiteral("a.xmp")});
    convert(made);
    EXPECT_EQ(masked(read_file(missing + QStringLiteral("/a.costyle"))), expected_style(a));

    ASSERT_TRUE(write_file(out(QStringLiteral("plain file")), "x"));
    QString const blocked = out(QStringLiteral("plain file/styles"));
    sandbox.set(QStringLiteral("output_dir"), blocked);
    preset(QStringLiteral("wb.xmp"), xmp_preset(QStringLiteral("WB"), QStringLiteral("crs:Temperature=\"5600\"")));
    modal_script refused;
    refused.choose_files({QStringLiteral("wb.xmp"), QStringLiteral("a.xmp")}).press(QMessageBox::Ok);
    convert(refused);
    ASSERT_EQ(refused.seen().size(), 2);
    EXPECT_EQ(refused.seen()[1].title, QStringLiteral("Can't create output folder"));
    EXPECT_EQ(refused.seen()[1].text,
              QStringLiteral("The output folder %1 could not be created, so no style was converted.<br/><br/>Reason: "
                             "Not a directory")
                  .arg(emphasised(blocked)));
}

// As on a full disk: every write fails, the user is told once, and the
// folder holds what it held before, also the file the user let be replaced.
TEST_F(batch_conversion_test, failed_writes_leave_the_folder_as_it_was)
{
    QByteArray const old(3000, 'o');
    ASSERT_TRUE(write_file(out(QStringLiteral("keep.costyle")), old));
    QStringList names;
    for (char const* name : {"keep.xmp", "b.xmp", "c.xmp"}) {
        preset(QString::fromLatin1(name), xmp_preset(QString::fromLatin1(name), QString()));
        names.append(QString::fromLatin1(name));
    }
    modal_script script;
    script.choose_files(names).press(QMessageBox::Yes).press(QMessageBox::Ok);
    {
        file_size_limit const full(0);
        convert(script);
    }
    ASSERT_EQ(script.seen().size(), 3);
    EXPECT_EQ(script.seen()[1].title, QStringLiteral("Style already exists"));
    EXPECT_EQ(script.seen()[2].text,
              QStringLiteral("3 styles could not be written, among them %1.<br/><br/>Reason: File too large")
                  .arg(emphasised(out(QStringLiteral("keep.costyle")))));
    EXPECT_EQ(every_entry(output.path()), QStringList(QStringLiteral("keep.costyle")));
    EXPECT_EQ(read_file(out(QStringLiteral("keep.costyle"))), old);
}

// A link at a style's path, also a dangling one, is an existing file: the
// user is asked, and the style replaces the link, not what it points to.
TEST_F(batch_conversion_test, links_in_the_output_folder_are_existing_styles)
{
    QTemporaryDir elsewhere;
    QString const target = elsewhere.filePath(QStringLiteral("target"));
    ASSERT_TRUE(write_file(target, "target"));
    ASSERT_TRUE(QFile::link(target, out(QStringLiteral("linked.costyle"))));
    ASSERT_TRUE(QFile::link(elsewhere.filePath(QStringLiteral("nothing")), out(QStringLiteral("dangling.costyle"))));
    QString const linked = preset(QStringLiteral("linked.xmp"), xmp_preset(QStringLiteral("Linked"), QString()));
    QString const dangling = preset(QStringLiteral("dangling.xmp"), xmp_preset(QStringLiteral("Dangling"), QString()));

    modal_script script;
    script.choose_files({QStringLiteral("linked.xmp"), QStringLiteral("dangling.xmp")})
        .press(QMessageBox::Yes)
        .press(QMessageBox::Yes);
    convert(script);

    EXPECT_EQ(titles(script),
              QStringList({QStringLiteral("Load Lightroom Template"), QStringLiteral("Style already exists"),
                           QStringLiteral("Style already exists")}));
    for (QString const& preset_path : {linked, dangling}) {
        QString const style = out(QFileInfo(preset_path).completeBaseName() + QStringLiteral(".costyle"));
        EXPECT_FALSE(QFileInfo(style).isSymLink()) << style.toStdString();
        EXPECT_EQ(masked(read_file(style)), expected_style(preset_path)) << style.toStdString();
    }
    EXPECT_EQ(read_file(target), QByteArray("target"));
    EXPECT_FALSE(QFile::exists(elsewhere.filePath(QStringLiteral("nothing"))));
}

TEST_F(batch_conversion_test, pack_failures_show_their_reason)
{
    ASSERT_TRUE(write_file(out(QStringLiteral("plain file")), "x"));
    struct {
        QString pack;
        QString text;
    } const cases[] = {
        {out(QStringLiteral("missing/Looks.costylepack")),
         QStringLiteral("The stylepack %1 was not written.<br/><br/>Reason: No such file or directory")},
        {out(QStringLiteral("plain file/Looks.costylepack")),
         QStringLiteral("The stylepack %1 was not written.<br/><br/>Reason: Not a directory")},
    };
    set_format(QStringLiteral("stylepack"));
    preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QString()));
    for (auto const& c : cases) {
        SCOPED_TRACE(c.pack.toStdString());
        modal_script script;
        script.choose_files({QStringLiteral("a.xmp")}).save_as(c.pack).press(QMessageBox::Ok);
        convert(script);
        ASSERT_EQ(script.seen().size(), 3);
        EXPECT_EQ(script.seen()[2].title, QStringLiteral("Can't write stylepack"));
        EXPECT_EQ(script.seen()[2].text, c.text.arg(emphasised(c.pack)));
        EXPECT_FALSE(QFile::exists(c.pack));
    }
}

// Preset names come from third parties. In a pack, backslashes and drive
// letters would be folders and drives on Windows; the names as written stay
// unique. Style files keep the preset's name on the user's own disk.
TEST_F(batch_conversion_test, pack_entry_names_hold_no_backslash_or_drive_letter)
{
    QStringList const names{QStringLiteral("a\\b.xmp"), QStringLiteral("a_b.xmp"), QStringLiteral("C:evil.xmp"),
                            QStringLiteral("D:\\x\\y.xmp"), QStringLiteral("..\\..\\x.xmp")};
    QStringList presets;
    for (QString const& name : names)
        presets.append(preset(name, xmp_preset(name, QStringLiteral("crs:Clarity2012=\"7\""))));

    set_format(QStringLiteral("stylepack_category"));
    modal_script pack_run;
    pack_run.choose_files(names).save_as(out(QStringLiteral("E:team\\looks")));
    convert(pack_run);
    zip_entries const entries = read_zip(out(QStringLiteral("E:team\\looks.costylepack")));
    QString const prefix = QStringLiteral("E_team_looks/");
    zip_entries const expected{
        {prefix + QStringLiteral(".._.._x.costyle"), expected_style(presets[4])},
        {prefix + QStringLiteral("C_evil.costyle"), expected_style(presets[2])},
        {prefix + QStringLiteral("D__x_y.costyle"), expected_style(presets[3])},
        {prefix + QStringLiteral("a_b (2).costyle"), expected_style(presets[1])},
        {prefix + QStringLiteral("a_b.costyle"), expected_style(presets[0])},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (int index = 0; index < entries.size(); ++index) {
        EXPECT_EQ(entries[index].first, expected[index].first);
        EXPECT_EQ(masked(entries[index].second), expected[index].second) << expected[index].first.toStdString();
    }

    set_format(QStringLiteral("separate"));
    modal_script file_run;
    file_run.choose_files(names);
    convert(file_run);
    for (int index = 0; index < names.size(); ++index) {
        QString const style = out(QFileInfo(names[index]).completeBaseName() + QStringLiteral(".costyle"));
        EXPECT_EQ(masked(read_file(style)), expected_style(presets[index])) << style.toStdString();
    }
}

// Presets of one base name in the "separate" format: each gets a file of its
// own, holding the style that converting it alone gives.
TEST_F(batch_conversion_test, presets_of_one_name_give_numbered_files)
{
    QString const first = preset(QStringLiteral("look.xmp"), xmp_preset(QStringLiteral("Look xmp"), QString()));
    QString const second = preset(QStringLiteral("look.lrtemplate"), lua_preset(QStringLiteral("Look template")));
    QString const third =
        preset(QStringLiteral("LOOK.XMP"), xmp_preset(QStringLiteral("Loud"), QStringLiteral("crs:Vibrance=\"+9\"")));
    QString const numbered = preset(QStringLiteral("look (2).xmp"),
                                    xmp_preset(QStringLiteral("Numbered"), QStringLiteral("crs:Clarity2012=\"5\"")));
    message_capture messages;

    modal_script script;
    script.choose_files({QStringLiteral("look.xmp"), QStringLiteral("look.lrtemplate"), QStringLiteral("LOOK.XMP"),
                         QStringLiteral("look (2).xmp")});
    convert(script);

    struct {
        QString preset;
        QString style;
    } const written[] = {
        {first, QStringLiteral("look.costyle")},
        {second, QStringLiteral("look (2).costyle")},
        {third, QStringLiteral("LOOK (3).costyle")},
        {numbered, QStringLiteral("look (2) (2).costyle")},
    };
    for (auto const& file : written)
        EXPECT_EQ(masked(read_file(out(file.style))), expected_style(file.preset)) << file.style.toStdString();
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files).size(), 4);
    EXPECT_EQ(messages.lines().filter(QStringLiteral("already used")),
              QStringList({QStringLiteral("info: The style name 'look.costyle' is already used in this run; using "
                                          "'look (2).costyle'"),
                           QStringLiteral("info: The style name 'LOOK.costyle' is already used in this run; using "
                                          "'LOOK (3).costyle'"),
                           QStringLiteral("info: The style name 'look (2).costyle' is already used in this run; "
                                          "using 'look (2) (2).costyle'")}));
}

// macOS stores names decomposed: two names that differ only in how "é" is
// written are one file there, so the second style gets a number.
TEST_F(batch_conversion_test, composed_and_decomposed_names_are_one_name)
{
    QString const composed = QStringLiteral("Caf\u00e9");
    QString const decomposed = QStringLiteral("Cafe\u0301");
    QString const first = preset(composed + QStringLiteral(".xmp"), xmp_preset(QStringLiteral("One"), QString()));
    QString const second = preset(decomposed + QStringLiteral(".XMP"),
                                  xmp_preset(QStringLiteral("Two"), QStringLiteral("crs:Clarity2012=\"5\"")));
    modal_script script;
    script.choose_files({composed + QStringLiteral(".xmp"), decomposed + QStringLiteral(".XMP")});
    convert(script);
    EXPECT_EQ(masked(read_file(out(composed + QStringLiteral(".costyle")))), expected_style(first));
    EXPECT_EQ(masked(read_file(out(decomposed + QStringLiteral(" (2).costyle")))), expected_style(second));
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files).size(), 2);
}

// Files that were in the output folder before the run are replaced only on
// the user's word; Return and a closed box keep them.
TEST_F(batch_conversion_test, existing_style_files_are_replaced_only_when_the_user_says_so)
{
    QStringList presets;
    for (char const* name : {"a", "b", "c", "d", "e", "f", "g"}) {
        QString const base = QString::fromLatin1(name);
        preset(base + QStringLiteral(".xmp"), xmp_preset(base, QString()));
        presets.append(base + QStringLiteral(".xmp"));
        if (base != QLatin1String("f")) {
            ASSERT_TRUE(write_file(out(base + QStringLiteral(".costyle")), "old " + base.toLatin1()));
        }
    }
    QStringList button_texts;
    bool skip_is_default = false;
    modal_script first;
    first.choose_files(presets.mid(0, 6))
        .press_return()
        .press(QMessageBox::Yes,
               [&](QMessageBox* box) {
                   for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::YesToAll, QMessageBox::NoToAll})
                       button_texts.append(box->button(button)->text());
                   skip_is_default = box->defaultButton() == box->button(QMessageBox::No);
               })
        .press(QMessageBox::No)
        .press(QMessageBox::YesToAll);
    convert(first);

    EXPECT_EQ(button_texts, QStringList({QStringLiteral("Replace"), QStringLiteral("Skip"),
                                         QStringLiteral("Replace All"), QStringLiteral("Skip All")}));
    EXPECT_TRUE(skip_is_default);
    ASSERT_EQ(first.seen().size(), 5);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(first.seen()[i].title, QStringLiteral("Style already exists"));
        QString const path = out(QString(QLatin1Char(char('a' + i - 1))) + QStringLiteral(".costyle"));
        EXPECT_EQ(first.seen()[i].text,
                  QStringLiteral("The style file %1 already exists.<br/><br/>Do you want to replace it?")
                      .arg(emphasised(path)));
    }
    struct {
        char const* name;
        bool replaced;
    } const outcome[] = {{"a", false}, {"b", true}, {"c", false}, {"d", true}, {"e", true}, {"f", true}};
    for (auto const& file : outcome) {
        QString const base = QString::fromLatin1(file.name);
        QByteArray const text = read_file(out(base + QStringLiteral(".costyle")));
        if (file.replaced)
            EXPECT_EQ(masked(text), expected_style(input.filePath(base + QStringLiteral(".xmp")))) << file.name;
        else
            EXPECT_EQ(text, "old " + base.toLatin1()) << file.name;
    }

    // "Skip All" keeps every later file of the run too; a closed box skips.
    modal_script second;
    second.choose_files({QStringLiteral("a.xmp"), QStringLiteral("g.xmp"), QStringLiteral("c.xmp")})
        .cancel()
        .press(QMessageBox::NoToAll);
    convert(second);
    EXPECT_EQ(second.seen().size(), 3);
    for (char const* name : {"a", "c", "g"})
        EXPECT_EQ(read_file(out(QString::fromLatin1(name) + QStringLiteral(".costyle"))), QByteArray("old ") + name);

    // Escape and the window's close button skip as well.
    modal_script third;
    third.choose_files({QStringLiteral("a.xmp"), QStringLiteral("c.xmp")}).press_key(Qt::Key_Escape).close_window();
    convert(third);
    EXPECT_EQ(titles(third),
              QStringList({QStringLiteral("Load Lightroom Template"), QStringLiteral("Style already exists"),
                           QStringLiteral("Style already exists")}));
    for (char const* name : {"a", "c"})
        EXPECT_EQ(read_file(out(QString::fromLatin1(name) + QStringLiteral(".costyle"))), QByteArray("old ") + name);
}

// Presets from which the reader gets no setting give the box and no style;
// settings followed by an XML error still convert.
TEST_F(batch_conversion_test, presets_without_settings_are_reported_and_not_converted)
{
    QByteArray const garbage("\x89PNG\r\n\x1a\n\x00\x01\xfe garbage", 18);
    QXmlStreamReader garbage_reader(garbage);
    while (!garbage_reader.atEnd())
        garbage_reader.readNext();
    QString const garbage_error = QStringLiteral("XML error in line %1, column %2: %3")
                                      .arg(garbage_reader.lineNumber())
                                      .arg(garbage_reader.columnNumber())
                                      .arg(garbage_reader.errorString());
    QString const no_settings = QStringLiteral("The file holds no Lightroom settings.");
    struct {
        char const* name;
        QByteArray content;
        QString reason;
    } const cases[] = {
        {"empty.xmp", QByteArray(), QStringLiteral("The file is empty.")},
        {"empty.lrtemplate", QByteArray(), QStringLiteral("The file is empty.")},
        {"garbage.xmp", garbage, garbage_error},
        {"cut.xmp", "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n <rdf:RDF", QString()},
        {"no_settings.lrtemplate",
         "s = {\n\tid = \"1\",\n\tinternalName = \"Empty\",\n\ttitle = \"Empty\",\n\ttype = \"Develop\",\n"
         "\tvalue = {\n\t\tuuid = \"2\",\n\t},\n\tversion = 0,\n}\n",
         no_settings},
        {"no_settings_dots.lrtemplate",
         "s = {}\ns.id = \"1\"\ns.value = {}\ns.value.settings = {}\n\ts.title = \"Empty\"\n\ts.value.uuid = \"2\"\n",
         no_settings},
        {"no_settings.xmp",
         xmp_preset_with_only(QStringLiteral("Empty"),
                              QStringLiteral("crs:PresetType=\"Normal\" crs:UUID=\"C5\" crs:SupportsColor=\"True\" "
                                             "crs:Version=\"14.1\" crs:HasSettings=\"True\"")),
         no_settings},
        {"rdf_root.xmp", "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"/>\n", no_settings},
    };
    QStringList names;
    for (auto const& c : cases) {
        preset(QString::fromLatin1(c.name), c.content);
        names.append(QString::fromLatin1(c.name));
    }
    QString const kept = QStringLiteral(KESTOVA_FIXTURES "/xmp/malformed_inside.xmp");
    ASSERT_TRUE(QFile::copy(kept, input.filePath(QStringLiteral("malformed_inside.xmp"))));
    names.append(QStringLiteral("malformed_inside.xmp"));
    modal_script answers;
    answers.choose_files(names);
    for (int i = 0; i < int(std::size(cases)); ++i)
        answers.press(QMessageBox::Ok);
    convert(answers);

    ASSERT_EQ(answers.seen().size(), int(std::size(cases)) + 1);
    for (int i = 0; i < int(std::size(cases)); ++i) {
        SCOPED_TRACE(cases[i].name);
        seen_modal const& box = answers.seen()[i + 1];
        EXPECT_EQ(box.title, QStringLiteral("Can't read preset"));
        QString const prefix = QStringLiteral("Your preset %1 can't be processed by Kestova.")
                                   .arg(emphasised(QString::fromLatin1(cases[i].name)));
        EXPECT_TRUE(box.text.startsWith(prefix)) << box.text.toStdString();
        QString const reason = cases[i].reason.isEmpty() ? QStringLiteral("XML error in line 2, column ")
                                                         : cases[i].reason.toHtmlEscaped();
        EXPECT_TRUE(box.text.contains(QStringLiteral("<br/><br/>Error: ") + reason)) << box.text.toStdString();
    }
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList(QStringLiteral("malformed_inside.costyle")));
    EXPECT_EQ(masked(read_file(out(QStringLiteral("malformed_inside.costyle")))),
              expected_style(input.filePath(QStringLiteral("malformed_inside.xmp"))));
}

// The name with its suffix is what is checked, and only one question is
// asked; whatever else than Replace keeps the old pack byte for byte.
TEST_F(batch_conversion_test, an_existing_pack_is_replaced_only_when_the_user_says_so)
{
    set_format(QStringLiteral("stylepack"));
    QString const a = preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QString()));
    QString const pack = out(QStringLiteral("Looks.costylepack"));
    QByteArray const old("old pack \x00\xff", 11);
    QString const text =
        QStringLiteral("The stylepack %1 already exists.<br/><br/>Do you want to replace it?").arg(emphasised(pack));
    struct {
        char const* answer;
        std::function<void(modal_script&)> answering;
    } const keeping[] = {
        {"Skip", [](modal_script& script) { script.press(QMessageBox::No); }},
        {"Return", [](modal_script& script) { script.press_return(); }},
        {"Escape", [](modal_script& script) { script.press_key(Qt::Key_Escape); }},
        {"close", [](modal_script& script) { script.close_window(); }},
    };
    for (auto const& c : keeping) {
        SCOPED_TRACE(c.answer);
        ASSERT_TRUE(write_file(pack, old));
        modal_script script;
        script.choose_files({QStringLiteral("a.xmp")}).save_as(out(QStringLiteral("Looks")));
        c.answering(script);
        convert(script);
        ASSERT_EQ(titles(script),
                  QStringList({QStringLiteral("Load Lightroom Template"), QStringLiteral("Name Capture One Stylepack"),
                               QStringLiteral("Stylepack already exists")}));
        EXPECT_EQ(script.seen()[2].text, text);
        EXPECT_EQ(script.seen()[2].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(script.seen()[2].default_button, QMessageBox::No);
        EXPECT_EQ(read_file(pack), old);
        EXPECT_EQ(QDir(output.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList(QStringLiteral("Looks.costylepack")));
    }

    QStringList button_texts;
    modal_script replacing;
    replacing.choose_files({QStringLiteral("a.xmp")})
        .save_as(out(QStringLiteral("Looks")))
        .press(QMessageBox::Yes, [&](QMessageBox* box) {
            for (auto button : {QMessageBox::Yes, QMessageBox::No})
                button_texts.append(box->button(button)->text());
        });
    convert(replacing);
    EXPECT_EQ(button_texts, QStringList({QStringLiteral("Replace"), QStringLiteral("Skip")}));
    zip_entries const entries = read_zip(pack);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(masked(entries[0].second), expected_style(a));
}

TEST_F(batch_conversion_test, no_pack_dialog_when_every_preset_is_skipped)
{
    set_format(QStringLiteral("stylepack"));
    preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QStringLiteral("crs:Tint=\"+3\"")));
    modal_script script;
    script.choose_files({QStringLiteral("a.xmp")}).press(QMessageBox::No);
    convert(script);
    EXPECT_EQ(script.seen().size(), 2);
}

// A preset whose style would hold nothing but its name, identifier and the
// fixed colour-corrections entry gives no style and no entry; one box names
// each such preset after the run.
TEST_F(batch_conversion_test, presets_that_convert_to_nothing_are_reported_not_written)
{
    QString const lens_attributes = QStringLiteral("crs:ProcessVersion=\"11.0\" crs:LensProfileEnable=\"1\"");
    QByteArray const lens = xmp_preset_with_only(QStringLiteral("Lens"), lens_attributes);
    QByteArray const look =
        xmp_preset_with_only(QStringLiteral("Lens"), lens_attributes,
                             QStringLiteral("   <crs:Look crs:Name=\"Astia\" crs:Amount=\"1\"/>\n"));
    QString const a = preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QString()));
    preset(QStringLiteral("lens.xmp"), lens);
    preset(QStringLiteral("look.xmp"), look);
    QStringList const files{QStringLiteral("lens.xmp"), QStringLiteral("a.xmp"), QStringLiteral("look.xmp")};
    QString const text = QStringLiteral("No style was written for these 2 presets:<br/><br/>%1: it holds no setting "
                                        "that a Capture One style can carry<br/>%2: it holds a look, and looks and "
                                        "profiles are not converted")
                             .arg(emphasised(QStringLiteral("lens.xmp")), emphasised(QStringLiteral("look.xmp")));

    modal_script separate;
    separate.choose_files(files).press(QMessageBox::Ok);
    convert(separate);
    ASSERT_EQ(separate.seen().size(), 2);
    EXPECT_EQ(separate.seen()[1].title, QStringLiteral("Nothing to convert"));
    EXPECT_EQ(separate.seen()[1].text, text);
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), QStringList(QStringLiteral("a.costyle")));
    EXPECT_EQ(masked(read_file(out(QStringLiteral("a.costyle")))), expected_style(a));

    set_format(QStringLiteral("stylepack"));
    QString const pack = out(QStringLiteral("Looks.costylepack"));
    modal_script packed;
    packed.choose_files(files).save_as(pack).press(QMessageBox::Ok);
    convert(packed);
    ASSERT_EQ(packed.seen().size(), 3);
    EXPECT_EQ(packed.seen()[2].text, text);
    zip_entries const entries = read_zip(pack);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].first, QStringLiteral("a.costyle"));
}

// However many presets give nothing, the box keeps its size: it names the
// first ones and holds the whole list in its details.
TEST_F(batch_conversion_test, the_nothing_to_convert_box_fits_the_screen)
{
    QString const reason = QStringLiteral("it holds no setting that a Capture One style can carry");
    QByteArray const lens = xmp_preset_with_only(QStringLiteral("Lens"), QStringLiteral("crs:LensProfileEnable=\"1\""));
    struct {
        int presets;
        QString more;
    } const cases[] = {{8, QString()}, {9, QStringLiteral("and 1 more")}, {60, QStringLiteral("and 52 more")}};
    QVector<int> heights;
    for (auto const& c : cases) {
        SCOPED_TRACE(c.presets);
        QStringList names;
        QStringList lines;
        QStringList details;
        for (int i = 0; i < c.presets; ++i) {
            QString const name = QStringLiteral("lens %1.xmp").arg(i, 2, 10, QLatin1Char('0'));
            preset(name, lens);
            names.append(name);
            if (i < 8)
                lines.append(emphasised(name) + QStringLiteral(": ") + reason);
            details.append(name + QStringLiteral(": ") + reason);
        }
        if (!c.more.isEmpty())
            lines.append(c.more);
        QString detailed;
        modal_script script;
        script.choose_files(names).press(QMessageBox::Ok, [&](QMessageBox* box) {
            detailed = box->detailedText();
            heights.append(box->height());
        });
        convert(script);
        ASSERT_EQ(titles(script),
                  QStringList({QStringLiteral("Load Lightroom Template"), QStringLiteral("Nothing to convert")}));
        EXPECT_EQ(script.seen()[1].text,
                  QStringLiteral("No style was written for these %1 presets:<br/><br/>").arg(c.presets)
                      + lines.join(QStringLiteral("<br/>")));
        EXPECT_EQ(detailed, c.more.isEmpty() ? QString() : details.join(QLatin1Char('\n')));
    }
    ASSERT_EQ(heights.size(), 3);
    EXPECT_EQ(heights[2], heights[1]);
    EXPECT_LE(heights[2], QGuiApplication::primaryScreen()->availableGeometry().height());
}

// A look counts only when it is named, in whichever form the preset
// writes the name.
TEST_F(batch_conversion_test, looks_are_told_apart_in_every_form)
{
    QString const general = QStringLiteral("it holds no setting that a Capture One style can carry");
    QString const look = QStringLiteral("it holds a look, and looks and profiles are not converted");
    struct {
        char const* name;
        char const* children;
        QString reason;
    } const cases[] = {
        {"flat.xmp", "   <crs:Look crs:Name=\"Astia\"/>\n", look},
        {"nested.xmp",
         "   <crs:Look>\n    <rdf:Description crs:Name=\"Adobe Color\" crs:Amount=\"1\">\n"
         "     <crs:Group><rdf:Alt><rdf:li xml:lang=\"x-default\">Profiles</rdf:li></rdf:Alt></crs:Group>\n"
         "    </rdf:Description>\n   </crs:Look>\n",
         look},
        {"element.xmp",
         "   <crs:Look rdf:parseType=\"Resource\">\n    <crs:Name>Adobe Color</crs:Name>\n   </crs:Look>\n", look},
        {"flat_unnamed.xmp", "   <crs:Look crs:Name=\"\"/>\n", general},
        {"nested_unnamed.xmp", "   <crs:Look>\n    <rdf:Description crs:Name=\"\" crs:Amount=\"1\"/>\n   </crs:Look>\n",
         general},
        {"element_unnamed.xmp",
         "   <crs:Look rdf:parseType=\"Resource\">\n    <crs:Name> </crs:Name>\n   </crs:Look>\n", general},
    };
    QStringList names;
    QStringList lines;
    for (auto const& c : cases) {
        QString const name = QString::fromLatin1(c.name);
        preset(name, xmp_preset_with_only(QStringLiteral("Look"), QStringLiteral("crs:LensProfileEnable=\"1\""),
                                          QString::fromLatin1(c.children)));
        names.append(name);
        lines.append(emphasised(name) + QStringLiteral(": ") + c.reason);
    }
    convert_to_nothing(names, lines);
}

// The real presets of this kind: a lens profile, two looks, an automatic
// white balance and a local correction.
TEST_F(batch_conversion_test, corpus_presets_that_convert_to_nothing)
{
    SKIP_WITHOUT_PRESET_CORPUS();
    QString const general = QStringLiteral("it holds no setting that a Capture One style can carry");
    QString const look = QStringLiteral("it holds a look, and looks and profiles are not converted");
    struct {
        char const* file;
        QString reason;
    } const cases[] = {
        {"lrtemplate/xsyn__ASLR-L Nikon 35mm f-1.8.lrtemplate", general},
        {"xmp/tfluo__Astia LUT.xmp", look},
        {"xmp/tfluo__Classic Chrome LUT.xmp", look},
        {"xmp/jolt__camLand_wbAuto_auto.xmp", general},
        {"xmp/jolt__phone_honor10_rawCorr_01.xmp", general},
    };
    QStringList names;
    QStringList lines;
    for (auto const& c : cases) {
        QString const name = QFileInfo(QString::fromUtf8(c.file)).fileName();
        ASSERT_TRUE(QFile::link(preset_corpus::path(QString::fromUtf8(c.file)), input.filePath(name)));
        names.append(name);
        lines.append(emphasised(name) + QStringLiteral(": ") + c.reason);
    }
    convert_to_nothing(names, lines);
    EXPECT_TRUE(QDir(output.path()).entryList(QDir::Files).isEmpty());
}

}

int main(int argc, char** argv)
{
    return run_application_tests(argc, argv);
}
