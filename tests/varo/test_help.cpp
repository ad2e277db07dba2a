#include "varo/help.h"

#include "varo/help_resources.h"

#include "message_capture.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Stands in for the browser.
class url_catcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

QString temp_folder;

QString read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void write(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

class help_test : public ::testing::Test {
protected:
    help_test() { QDesktopServices::setUrlHandler("file", &catcher, "open"); }
    ~help_test() override
    {
        QDesktopServices::unsetUrlHandler("file");
        QSettings().remove("lang");
        for (const QString& name : QDir(temp_folder).entryList(QDir::Files))
            QFile::remove(temp_folder + "/" + name);
    }

    // The file of the page shown last.
    QString shown_page() const
    {
        const QUrl& url = catcher.urls.last();
        EXPECT_TRUE(url.isLocalFile()) << url.toString().toStdString();
        return url.toLocalFile();
    }

    url_catcher catcher;
};

TEST_F(help_test, a_language_without_a_page_falls_back_to_english)
{
    QSettings().setValue("lang", "fr");
    varo::open_help(":/help/index_%1.html");
    ASSERT_EQ(catcher.urls.size(), 1);
    const QString copy = shown_page();
    EXPECT_EQ(QFileInfo(copy).fileName(), "kestova_help_en.html");
    EXPECT_EQ(read(copy), read(":/help/index_en.html"));
}

TEST_F(help_test, the_german_page_is_copied_under_the_german_name)
{
    QSettings().setValue("lang", "de");
    varo::open_help(":/help/index_%1.html");
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(QFileInfo(shown_page()).fileName(), "kestova_help_de.html");
    EXPECT_TRUE(read(shown_page()).contains("<title>Hilfe - Kestova</title>"));
}

TEST_F(help_test, a_hash_in_the_temporary_folder_is_part_of_the_pages_url)
{
    ASSERT_TRUE(temp_folder.contains('#'));
    varo::open_help(":/help/index_%1.html");
    ASSERT_EQ(catcher.urls.size(), 1);
    const QUrl& url = catcher.urls.last();
    EXPECT_FALSE(url.hasFragment()) << url.toString().toStdString();
    const QString page = url.toLocalFile();
    EXPECT_TRUE(page.startsWith(temp_folder + "/")) << page.toStdString();
    EXPECT_EQ(QFileInfo(page).fileName(), "kestova_help_en.html");
    EXPECT_EQ(read(page), read(":/help/index_en.html"));
}

TEST_F(help_test, key_names_are_replaced_in_order)
{
    const struct {
        const char* page;
        const char* shown;
    } cases[] = {
        {"Strg+S", "Cmd+S"},
        {"Ctrl+S", "Cmd+S"},
        {"StXrg+S", "Ctrl+S"},
        {"CtXrl+S", "Ctrl+S"},
        {"ctrl+S and STRG+S", "ctrl+S and STRG+S"},
        {"Ctrl+Strg ümlaut", "Cmd+Cmd ümlaut"},
    };
    QSettings().setValue("lang", "de");
    for (const auto& c : cases) {
        write(temp_folder + "/page_de.html", QString::fromUtf8(c.page));
        varo::open_help(temp_folder + "/page_%1.html");
        EXPECT_EQ(read(shown_page()), QString::fromUtf8(c.shown)) << c.page;
    }
}

TEST_F(help_test, the_copy_is_named_after_the_application_without_blanks_and_replaces_an_old_one)
{
    QCoreApplication::setApplicationName("My Help App");
    varo::open_help(":/help/index_%1.html");
    ASSERT_EQ(catcher.urls.size(), 1);
    const QString copy = shown_page();
    EXPECT_EQ(QFileInfo(copy).fileName(), "myhelpapp_help_en.html");
    write(copy, QString(5000, 'x'));
    varo::open_help(":/help/index_%1.html");
    QCoreApplication::setApplicationName("Kestova");
    EXPECT_EQ(read(copy), read(":/help/index_en.html"));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(shown_page(), copy);
}

TEST_F(help_test, a_link_planted_in_the_temporary_folder_is_neither_written_through_nor_shown)
{
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.path() + "/victim.txt";
    write(victim, "the victim's own text");
    const QString planted = temp_folder + "/kestova_help_en.html";
    ASSERT_TRUE(QFile::link(victim, planted));

    varo::open_help(":/help/index_%1.html");
    EXPECT_EQ(read(victim), "the victim's own text");
    EXPECT_EQ(QFileInfo(planted).symLinkTarget(), victim);
    ASSERT_EQ(catcher.urls.size(), 1);
    const QString copy = shown_page();
    EXPECT_NE(QFileInfo(copy).absolutePath(), QFileInfo(planted).absolutePath());
    EXPECT_FALSE(QFileInfo(copy).isSymLink());
    EXPECT_EQ(read(copy), read(":/help/index_en.html"));
    const QFileInfo folder(QFileInfo(copy).absolutePath());
    EXPECT_EQ(folder.ownerId(), QFileInfo(temp_folder).ownerId());
    EXPECT_EQ(folder.permissions() & (QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
}

TEST_F(help_test, a_link_at_the_pages_own_place_is_replaced_not_followed)
{
    varo::open_help(":/help/index_%1.html");
    ASSERT_EQ(catcher.urls.size(), 1);
    const QString copy = shown_page();
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.path() + "/victim.txt";
    write(victim, "kept");
    ASSERT_TRUE(QFile::remove(copy));
    ASSERT_TRUE(QFile::link(victim, copy));

    varo::open_help(":/help/index_%1.html");
    EXPECT_EQ(read(victim), "kept");
    EXPECT_FALSE(QFileInfo(copy).isSymLink());
    EXPECT_EQ(read(copy), read(":/help/index_en.html"));
    EXPECT_EQ(catcher.urls.size(), 2);
}

TEST_F(help_test, a_page_that_cannot_be_written_logs_a_warning_and_opens_nothing)
{
    varo::open_help(":/help/index_%1.html");
    ASSERT_EQ(catcher.urls.size(), 1);
    const QString copy = shown_page();
    ASSERT_TRUE(QFile::remove(copy));
    // A folder in the way can be neither removed as a file nor opened.
    ASSERT_TRUE(QDir().mkpath(copy + "/inside"));
    catcher.urls.clear();
    const message_capture log;
    varo::open_help(":/help/index_%1.html");
    QDir(copy).removeRecursively();
    EXPECT_TRUE(catcher.urls.isEmpty());
    EXPECT_EQ(log.texts(QtWarningMsg), QStringList{"Could not write help file \"" + copy + "\""});
}

TEST_F(help_test, a_missing_page_logs_a_warning_and_opens_nothing)
{
    QSettings().setValue("lang", "de");
    const message_capture log;
    varo::open_help("/nonexistent/page_%1.html");
    EXPECT_TRUE(catcher.urls.isEmpty());
    EXPECT_EQ(log.texts(QtWarningMsg), QStringList{"Could not open help file for language \"en\" with template "
                                                   "\"/nonexistent/page_%1.html\" resulting in "
                                                   "\"/nonexistent/page_en.html\""});
}

TEST(help_pages, are_small_dark_pages_with_a_heading_and_two_linking_paragraphs)
{
    varo::init_help_resources();
    const struct {
        const char* path;
        const char* title;
    } pages[] = {
        {":/help/index_en.html", "<title>Help - Kestova</title>"},
        {":/help/index_de.html", "<title>Hilfe - Kestova</title>"},
    };
    for (const auto& page : pages) {
        const QString text = read(page.path);
        ASSERT_FALSE(text.isEmpty()) << page.path;
        EXPECT_TRUE(text.contains(page.title)) << page.path;
        EXPECT_TRUE(text.contains("<meta charset=\"utf-8\">")) << page.path;
        for (const char* look :
             {"background-color: #222222", "font-family: verdana", "color: #b8c4bf", "a { color: #728a84; }",
              "h1 { font-size: 22px; margin-left: 20px; }", "p { font-size: 12px; margin-left: 20px; }"})
            EXPECT_TRUE(text.contains(look)) << page.path << ": " << look;
        EXPECT_EQ(text.count("<h1>"), 1) << page.path;
        EXPECT_EQ(text.count("<p>"), 2) << page.path;
        EXPECT_EQ(text.count("<a href=\"https://harlune.example/"), 2) << page.path;
        EXPECT_EQ(text.count(".pdf\">"), 1) << page.path;
        EXPECT_FALSE(text.contains("Ctrl") || text.contains("Strg")) << page.path;
    }
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const settings_sandbox settings;
    // A URL made from the path as text would end at the '#'.
    QTemporaryDir temp(QDir::tempPath() + "/help#XXXXXX");
    temp_folder = temp.path();
    qputenv("TMPDIR", temp_folder.toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "test_help.moc"
