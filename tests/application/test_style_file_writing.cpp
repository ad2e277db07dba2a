#include "preset_files.h"
#include "style_file_writing.h"

#include "file_size_limit.h"
#include "message_capture.h"
#include "qstring_printer.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class style_file_writing : public ::testing::Test {
protected:
    QStringList entries() const { return every_entry(folder.path()); }

    QTemporaryDir folder;
    message_capture messages;
    QString reason;
};

TEST_F(style_file_writing, writes_utf8_and_replaces_a_longer_file_keeping_its_permissions)
{
    QString const path = folder.filePath(QStringLiteral("Café.costyle"));
    ASSERT_TRUE(write_file(path, QByteArray(200, 'x')));
    QFile::Permissions const permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));

    EXPECT_TRUE(write_style_file(path, QStringLiteral("<SL>Café</SL>\n"), reason));
    EXPECT_EQ(read_file(path), QByteArray("<SL>Caf\xc3\xa9</SL>\n"));
    EXPECT_EQ(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser), permissions);
    EXPECT_EQ(entries(), QStringList(QStringLiteral("Café.costyle")));
    EXPECT_EQ(messages.lines(), QStringList(QStringLiteral("info: Wrote '%1'").arg(path)));
}

TEST_F(style_file_writing, a_missing_folder_gives_the_reason)
{
    QString const path = folder.filePath(QStringLiteral("missing/a.costyle"));
    EXPECT_FALSE(write_style_file(path, QStringLiteral("<SL/>\n"), reason));
    EXPECT_EQ(reason, QStringLiteral("No such file or directory"));
    EXPECT_EQ(messages.lines(), QStringList());
}

// As on a full disk: the write breaks off, and what was there stays whole.
TEST_F(style_file_writing, a_failed_write_leaves_the_folder_as_it_was)
{
    QByteArray const old(3000, 'o');
    QString const text(4000, QLatin1Char('n'));
    for (bool const replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "replacing" : "new");
        QString const path =
            folder.filePath(replacing ? QStringLiteral("keep.costyle") : QStringLiteral("new.costyle"));
        if (replacing) {
            ASSERT_TRUE(write_file(path, old));
        }
        QStringList const before = entries();
        message_capture const this_write;
        {
            file_size_limit const full(2048);
            EXPECT_FALSE(write_style_file(path, text, reason));
        }
        EXPECT_EQ(reason, QStringLiteral("File too large"));
        EXPECT_EQ(entries(), before);
        EXPECT_EQ(read_file(path), replacing ? old : QByteArray());
        EXPECT_EQ(this_write.lines(),
                  QStringList(QStringLiteral("warning: Error writing '%1': Only wrote 2048 of 4000 bytes").arg(path)));
    }
}

// A link at the style's path is replaced itself; what it points to is never written.
TEST_F(style_file_writing, a_link_is_replaced_not_followed)
{
    QString const target = folder.filePath(QStringLiteral("target"));
    ASSERT_TRUE(write_file(target, "target"));
    struct {
        char const* name;
        QString points_to;
    } const cases[] = {
        {"to_file.costyle", target},
        {"dangling.costyle", folder.filePath(QStringLiteral("nothing"))},
        {"full.costyle", QStringLiteral("/dev/full")},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        QString const path = folder.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(QFile::link(c.points_to, path));
        EXPECT_TRUE(write_style_file(path, QStringLiteral("<SL/>\n"), reason));
        EXPECT_FALSE(QFileInfo(path).isSymLink());
        EXPECT_EQ(read_file(path), QByteArray("<SL/>\n"));
    }
    EXPECT_EQ(read_file(target), QByteArray("target"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("nothing"))));
}

}
