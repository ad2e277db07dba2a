#include "style_file_writing.h"

#include "message_capture.h"
#include "qstring_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contents(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class style_file_writing : public ::testing::Test {
protected:
    QTemporaryDir folder;
    message_capture messages;
    QString reason;
};

TEST_F(style_file_writing, writes_utf8_and_replaces_a_longer_file)
{
    QString const path = folder.filePath(QStringLiteral("Café.costyle"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200, 'x'));
    old.close();

    EXPECT_TRUE(write_style_file(path, QStringLiteral("<SL>Café</SL>\n"), reason));
    EXPECT_EQ(contents(path), QByteArray("<SL>Caf\xc3\xa9</SL>\n"));
    EXPECT_EQ(messages.lines(), QStringList(QStringLiteral("info: Wrote '%1'").arg(path)));
}

TEST_F(style_file_writing, a_missing_folder_gives_the_reason)
{
    QString const path = folder.filePath(QStringLiteral("missing/a.costyle"));
    EXPECT_FALSE(write_style_file(path, QStringLiteral("<SL/>\n"), reason));
    EXPECT_EQ(reason, QStringLiteral("No such file or directory"));
    EXPECT_EQ(messages.lines(), QStringList());
}

TEST_F(style_file_writing, a_full_disk_is_a_failed_write)
{
    QString const path = folder.filePath(QStringLiteral("a.costyle"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path));
    EXPECT_FALSE(write_style_file(path, QStringLiteral("<SL/>\n"), reason));
    EXPECT_EQ(reason, QStringLiteral("No space left on device"));
    EXPECT_EQ(messages.lines(),
              QStringList(QStringLiteral("warning: Error writing '%1': Only wrote -1 of 6 bytes").arg(path)));
}

}
