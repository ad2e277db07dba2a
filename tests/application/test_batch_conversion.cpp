// Drives the real main window through whole conversion runs: the convert
// button is clicked and every dialog and question is answered from a timer.
#include "application_test_main.h"
#include "main_window.h"
#include "modal_script.h"
#include "preset_files.h"
#include "window_buttons.h"
#include "zip_reading.h"

#include "message_capture.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

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
    script.choose_files({QStringLiteral("Café look.xmp"), QStringLiteral("matte.lrtemplate"),
                         QStringLiteral("my.loud.XMP")});
    convert(script);

    ASSERT_EQ(script.seen().size(), 1);
    EXPECT_EQ(script.seen()[0].title, QStringLiteral("Load Lightroom Template"));
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

// Each pack format with two presets of the same base name: the style of the
// later one is the entry, and the entries follow the names' order.
TEST_F(batch_conversion_test, packs_hold_one_entry_per_style_name)
{
    struct {
        char const* format;
        char const* pack;
        char const* prefix;
    } const cases[] = {
        {"stylepack", "Looks.costylepack", ""},
        {"stylepack_category", "Category.costylepack", "Category/"},
        {"stylepack_category", "My Looks", "My Looks/"},
        {"something else", "Other.costylepack", ""},
    };
    QString const a_template = preset(QStringLiteral("a.lrtemplate"), lua_preset(QStringLiteral("A template")));
    preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A xmp"), QString()));
    QString const b_xmp = preset(QStringLiteral("b.xmp"), xmp_preset(QStringLiteral("B"), QString()));
    for (auto const& c : cases) {
        SCOPED_TRACE(c.format);
        set_format(QString::fromLatin1(c.format));
        QString const pack = out(QString::fromLatin1(c.pack));
        modal_script script;
        script.choose_files({QStringLiteral("a.xmp"), QStringLiteral("b.xmp"), QStringLiteral("a.lrtemplate")})
            .save_as(pack);
        convert(script);

        ASSERT_EQ(script.seen().size(), 2);
        EXPECT_EQ(script.seen()[1].title, QStringLiteral("Name Capture One Stylepack"));
        EXPECT_EQ(script.seen()[1].folder, output.path());
        EXPECT_EQ(script.seen()[1].filters, QStringList(QStringLiteral("Capture One Stylepack(*.costylepack)")));

        zip_entries const entries = read_zip(pack);
        ASSERT_EQ(entries.size(), 2);
        QString const prefix = QString::fromLatin1(c.prefix);
        EXPECT_EQ(entries[0].first, prefix + QStringLiteral("a.costyle"));
        EXPECT_EQ(entries[1].first, prefix + QStringLiteral("b.costyle"));
        EXPECT_EQ(masked(entries[0].second), expected_style(a_template));
        EXPECT_EQ(masked(entries[1].second), expected_style(b_xmp));
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
                   for (auto button :
                        {QMessageBox::Yes, QMessageBox::No, QMessageBox::YesToAll, QMessageBox::NoToAll})
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

TEST_F(batch_conversion_test, an_unwritable_output_folder_is_reported_once)
{
    QString const missing = output.filePath(QStringLiteral("missing"));
    sandbox.set(QStringLiteral("output_dir"), missing);
    for (char const* name : {"a.xmp", "b.xmp", "c.xmp"})
        preset(QString::fromLatin1(name), xmp_preset(QString::fromLatin1(name), QString()));
    message_capture messages;

    modal_script script;
    script.choose_files({QStringLiteral("a.xmp"), QStringLiteral("b.xmp"), QStringLiteral("c.xmp")})
        .press(QMessageBox::Ok);
    convert(script);

    ASSERT_EQ(script.seen().size(), 2);
    EXPECT_EQ(script.seen()[1].title, QStringLiteral("Can't write style"));
    EXPECT_EQ(script.seen()[1].text,
              QStringLiteral("3 styles could not be written, among them %1.<br/><br/>Reason: No such file or "
                             "directory")
                  .arg(emphasised(missing + QStringLiteral("/a.costyle"))));
    // A failed open has no log line of its own.
    EXPECT_EQ(messages.lines().filter(QStringLiteral("warning: ")).filter(missing), QStringList());
}

TEST_F(batch_conversion_test, a_failed_write_names_the_file_and_the_reason)
{
    preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QString()));
    QString const b = preset(QStringLiteral("b.xmp"), xmp_preset(QStringLiteral("B"), QString()));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), out(QStringLiteral("a.costyle"))));

    modal_script script;
    script.choose_files({QStringLiteral("a.xmp"), QStringLiteral("b.xmp")}).press(QMessageBox::Ok);
    convert(script);

    ASSERT_EQ(script.seen().size(), 2);
    EXPECT_EQ(script.seen()[1].text,
              QStringLiteral("The style %1 could not be written.<br/><br/>Reason: No space left on device")
                  .arg(emphasised(out(QStringLiteral("a.costyle")))));
    EXPECT_EQ(masked(read_file(out(QStringLiteral("b.costyle")))), expected_style(b));
}

TEST_F(batch_conversion_test, pack_failures_show_libzip_errors)
{
    ASSERT_TRUE(write_file(out(QStringLiteral("plain file")), "x"));
    struct {
        QString pack;
        QString text;
    } const cases[] = {
        {out(QStringLiteral("missing/Looks.costylepack")),
         QStringLiteral("The stylepack %1 was not written.<br/><br/>libzip: Failure to create temporary file: No "
                        "such file or directory")},
        {out(QStringLiteral("plain file/Looks.costylepack")),
         QStringLiteral("The stylepack %1 could not be created.<br/><br/>libzip: Read error: Not a directory")},
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

TEST_F(batch_conversion_test, no_pack_dialog_when_every_preset_is_skipped)
{
    set_format(QStringLiteral("stylepack"));
    preset(QStringLiteral("a.xmp"), xmp_preset(QStringLiteral("A"), QStringLiteral("crs:Tint=\"+3\"")));
    modal_script script;
    script.choose_files({QStringLiteral("a.xmp")}).press(QMessageBox::No);
    convert(script);
    EXPECT_EQ(script.seen().size(), 2);
}

}

int main(int argc, char** argv)
{
    return run_application_tests(argc, argv);
}
