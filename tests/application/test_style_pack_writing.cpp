#include "preset_files.h"
#include "style_pack_writing.h"

#include "file_size_limit.h"
#include "message_capture.h"
#include "qstring_printer.h"
#include "zip_reading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QMap<QString, QString> const styles{
    {QStringLiteral("b.costyle"), QStringLiteral("<SL Engine=\"900\">b</SL>\n")},
    {QStringLiteral("a.costyle"), QStringLiteral("<SL Engine=\"900\">Café</SL>\n")},
};

TEST(style_pack_prefix, only_the_category_format_has_a_folder)
{
    struct {
        char const* format;
        char const* path;
        char const* prefix;
    } const cases[] = {
        {"stylepack_category", "/out/Looks.costylepack", "Looks/"},
        {"stylepack_category", "/out/my.looks.costylepack", "my.looks/"},
        {"stylepack_category", "/out/Looks", "Looks/"},
        {"stylepack_category", "/out/.costylepack", ""},
        {"stylepack_category", "/out/..costylepack", ""},
        {"stylepack_category", "/out/...costylepack", ""},
        {"stylepack_category", "/out/....costylepack", ".../"},
        {"stylepack_category", "/out/.hidden.costylepack", ".hidden/"},
        {"stylepack_category", "/out/E:team\\looks.costylepack", "E_team_looks/"},
        {"stylepack_category", "/out/..\\...costylepack", ".._../"},
        {"stylepack_category", "/out/\\.costylepack", "_/"},
        {"stylepack", "/out/Looks.costylepack", ""},
        {"separate", "/out/Looks.costylepack", ""},
        {"anything", "/out/Looks.costylepack", ""},
    };
    for (auto const& c : cases)
        EXPECT_EQ(style_pack_prefix(QString::fromLatin1(c.format), QString::fromLatin1(c.path)),
                  QString::fromLatin1(c.prefix))
            << c.format << " " << c.path;
}

// Windows' unpacking tools take a backslash for a folder and "X:" for a drive.
TEST(style_pack_name_part, holds_no_backslash_and_no_drive_letter)
{
    struct {
        char const* name;
        char const* part;
    } const cases[] = {
        {"look", "look"},
        {"a\\b", "a_b"},
        {"C:evil", "C_evil"},
        {"d:", "d_"},
        {"D:\\x\\y", "D__x_y"},
        {"..\\..\\x", ".._.._x"},
        {"\\\\server\\share", "__server_share"},
        {"look C:1", "look C:1"},
        {"1:1 square", "1:1 square"},
        {":", ":"},
        {"", ""},
    };
    for (auto const& c : cases)
        EXPECT_EQ(style_pack_name_part(QString::fromLatin1(c.name)), QString::fromLatin1(c.part)) << c.name;
    EXPECT_EQ(style_pack_name_part(QStringLiteral("É:x")), QStringLiteral("É:x"));
}

TEST(style_pack_entries, follow_the_key_order_with_prefix_and_utf8_text)
{
    auto const entries = style_pack_entries(styles, QStringLiteral("Looks/"));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].key, QStringLiteral("a.costyle"));
    EXPECT_EQ(entries[0].name, QStringLiteral("Looks/a.costyle"));
    EXPECT_EQ(entries[0].data, QByteArray("<SL Engine=\"900\">Caf\xc3\xa9</SL>\n"));
    EXPECT_EQ(entries[1].name, QStringLiteral("Looks/b.costyle"));
}

class style_pack_writing : public ::testing::Test {
protected:
    QString path(QString const& name) const { return folder.filePath(name); }

    QStringList entries() const { return every_entry(folder.path()); }

    QTemporaryDir folder;
    message_capture messages;
};

TEST_F(style_pack_writing, writes_every_entry_in_order)
{
    QString const pack = path(QStringLiteral("Looks.costylepack"));
    auto const result = write_style_pack(pack, style_pack_entries(styles, QStringLiteral("Looks/")));
    EXPECT_TRUE(result.written());
    EXPECT_TRUE(result.add_failures.groups().isEmpty());
    zip_entries const expected{
        {QStringLiteral("Looks/a.costyle"), QByteArray("<SL Engine=\"900\">Caf\xc3\xa9</SL>\n")},
        {QStringLiteral("Looks/b.costyle"), QByteArray("<SL Engine=\"900\">b</SL>\n")},
    };
    EXPECT_EQ(read_zip(pack), expected);
    EXPECT_EQ(messages.lines(), QStringList({QStringLiteral("debug: Key 0: 'a.costyle' -> 'Looks/a.costyle'"),
                                             QStringLiteral("debug: Key 1: 'b.costyle' -> 'Looks/b.costyle'")}));
}

TEST_F(style_pack_writing, replaces_an_existing_file)
{
    QString const pack = path(QStringLiteral("Looks.costylepack"));
    QFile old(pack);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not a zip archive");
    old.close();
    EXPECT_TRUE(write_style_pack(pack, style_pack_entries(styles, QString())).written());
    auto const entries = read_zip(pack);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].first, QStringLiteral("a.costyle"));
}

// The archive is finished in memory, so what can fail is writing it.
TEST_F(style_pack_writing, a_pack_that_cant_be_written_gives_the_reason)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.costylepack")));
    struct {
        QString pack;
        QString reason;
        QString line;
    } const cases[] = {
        {path(QStringLiteral("missing/Looks.costylepack")), QStringLiteral("No such file or directory"), QString()},
        {path(QStringLiteral("folder.costylepack")), QStringLiteral("Is a directory"),
         QStringLiteral("warning: Error writing '%1': Is a directory").arg(path(QStringLiteral("folder.costylepack")))},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.pack.toStdString());
        message_capture const this_write;
        auto const result = write_style_pack(c.pack, style_pack_entries(styles, QString()));
        EXPECT_FALSE(result.written());
        EXPECT_EQ(result.open_error, QString());
        EXPECT_EQ(result.close_error, QString());
        EXPECT_EQ(result.write_error, c.reason);
        QStringList expected({QStringLiteral("debug: Key 0: 'a.costyle' -> 'a.costyle'"),
                              QStringLiteral("debug: Key 1: 'b.costyle' -> 'b.costyle'")});
        if (!c.line.isEmpty())
            expected.append(c.line);
        EXPECT_EQ(this_write.lines(), expected);
    }
    EXPECT_EQ(entries(), QStringList(QStringLiteral("folder.costylepack")));
}

// libzip leaves no archive without entries; the old pack is not replaced by nothing.
TEST_F(style_pack_writing, a_pack_without_entries_keeps_the_old_one)
{
    QString const pack = path(QStringLiteral("Looks.costylepack"));
    ASSERT_TRUE(write_file(pack, "old pack"));
    auto const result = write_style_pack(pack, {});
    EXPECT_FALSE(result.written());
    EXPECT_EQ(result.write_error, QStringLiteral("No style could be added"));
    EXPECT_EQ(read_file(pack), QByteArray("old pack"));
    EXPECT_EQ(entries(), QStringList(QStringLiteral("Looks.costylepack")));
}

TEST_F(style_pack_writing, a_failed_add_names_the_entry_and_goes_on)
{
    QVector<style_pack_entry> entries = style_pack_entries(styles, QString());
    entries.insert(1, entries[0]);
    QString const pack = path(QStringLiteral("Looks.costylepack"));
    auto const result = write_style_pack(pack, entries);
    EXPECT_TRUE(result.written());
    ASSERT_EQ(result.add_failures.groups().size(), 1);
    EXPECT_EQ(result.add_failures.groups()[0].first_subject, QStringLiteral("a.costyle"));
    EXPECT_EQ(result.add_failures.groups()[0].reason, QStringLiteral("File already exists"));
    EXPECT_TRUE(messages.lines().contains(QStringLiteral("warning: libzip zip_file_add error: File already exists")));
    EXPECT_EQ(read_zip(pack).size(), 2);
}

// As on a full disk: the pack is written beside the old one, which stays whole.
TEST_F(style_pack_writing, a_failed_write_keeps_the_old_pack)
{
    QString const pack = path(QStringLiteral("Looks.costylepack"));
    ASSERT_TRUE(write_style_pack(pack, style_pack_entries(styles, QString())).written());
    QByteArray const old = read_file(pack);

    style_pack_result result;
    {
        file_size_limit const full(0);
        result = write_style_pack(pack, style_pack_entries(styles, QStringLiteral("Other/")));
    }
    EXPECT_FALSE(result.written());
    EXPECT_EQ(result.write_error, QStringLiteral("File too large"));
    EXPECT_EQ(read_file(pack), old);
    EXPECT_EQ(entries(), QStringList(QStringLiteral("Looks.costylepack")));
}

// The pack replaces a link at its path; what the link points to stays as it was.
TEST_F(style_pack_writing, a_link_is_replaced_not_followed)
{
    QTemporaryDir elsewhere;
    QString const target = elsewhere.filePath(QStringLiteral("target.costylepack"));
    ASSERT_TRUE(write_file(target, "target"));
    QString const pack = path(QStringLiteral("Looks.costylepack"));
    ASSERT_TRUE(QFile::link(target, pack));

    EXPECT_TRUE(write_style_pack(pack, style_pack_entries(styles, QString())).written());
    EXPECT_FALSE(QFileInfo(pack).isSymLink());
    EXPECT_EQ(read_zip(pack).size(), 2);
    EXPECT_EQ(read_file(target), QByteArray("target"));
}

}
