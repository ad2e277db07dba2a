#include "preset_files.h"
#include "style_file_writing.h"

#include "file_size_limit.h"
#include "message_capture.h"
#include "mode_watch.h"
#include "qstring_printer.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include <string>

namespace {

// The file's own bits; QFileInfo's user flags say what this user may do instead.
mode_t mode_of(QString const& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : mode_t(-1);
}

bool set_mode(QString const& path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

class scoped_umask {
public:
    explicit scoped_umask(mode_t mask) : saved(::umask(mask)) {}
    ~scoped_umask() { ::umask(saved); }

    scoped_umask(scoped_umask const&) = delete;
    scoped_umask& operator=(scoped_umask const&) = delete;

private:
    mode_t saved;
};

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

// The hidden file beside it must fit wherever the style's own name fits.
TEST_F(style_file_writing, writes_every_name_length_the_folder_takes)
{
    QString const suffix = QStringLiteral(".costyle");
    struct {
        char const* label;
        QString name;
        int bytes;
    } const cases[] = {
        {"232 bytes", QString(232 - suffix.size(), QLatin1Char('a')) + suffix, 232},
        {"240 bytes", QString(240 - suffix.size(), QLatin1Char('b')) + suffix, 240},
        {"255 bytes", QString(255 - suffix.size(), QLatin1Char('c')) + suffix, 255},
        {"85 letters of 3 bytes", QString(85, QChar(0x6F22)), 255},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_EQ(QFile::encodeName(c.name).size(), c.bytes);
        QString const path = folder.filePath(c.name);
        for (QString const& text : {QStringLiteral("<SL>new</SL>\n"), QStringLiteral("<SL>replacing</SL>\n")}) {
            EXPECT_TRUE(write_style_file(path, text, reason)) << reason.toStdString();
            EXPECT_EQ(read_file(path), text.toUtf8());
            EXPECT_EQ(entries(), QStringList(c.name));
        }
        QFile::remove(path);
    }
}

// Run as root, the user flags would turn 0444 into 0644; set-ID and sticky
// bits have no flag at all.
TEST_F(style_file_writing, a_replaced_file_keeps_exactly_its_mode)
{
    for (mode_t const mode : {0444, 0460, 0600, 0755, 04755, 02755, 01777, 07777}) {
        SCOPED_TRACE(octal(mode));
        QString const path = folder.filePath(QStringLiteral("%1.costyle").arg(mode, 0, 8));
        ASSERT_TRUE(write_file(path, "old"));
        ASSERT_TRUE(set_mode(path, mode));
        // Not every file system or user may set every bit.
        if (mode_of(path) != mode)
            continue;
        EXPECT_TRUE(write_style_file(path, QStringLiteral("<SL/>\n"), reason)) << reason.toStdString();
        EXPECT_EQ(octal(mode_of(path)), octal(mode));
    }
}

// A link's target is not what is replaced, so its mode is not taken over.
TEST_F(style_file_writing, a_new_file_or_a_replaced_link_gets_what_the_umask_leaves)
{
    QString const target = folder.filePath(QStringLiteral("target"));
    ASSERT_TRUE(write_file(target, "target"));
    ASSERT_TRUE(set_mode(target, 0755));
    for (mode_t const mask : {022, 027, 077}) {
        SCOPED_TRACE(octal(mask));
        QString const new_path = folder.filePath(QStringLiteral("new %1.costyle").arg(mask, 0, 8));
        QString const link_path = folder.filePath(QStringLiteral("link %1.costyle").arg(mask, 0, 8));
        ASSERT_TRUE(QFile::link(target, link_path));
        scoped_umask const umask(mask);
        for (QString const& path : {new_path, link_path}) {
            SCOPED_TRACE(path.toStdString());
            EXPECT_TRUE(write_style_file(path, QStringLiteral("<SL/>\n"), reason)) << reason.toStdString();
            EXPECT_EQ(octal(mode_of(path)), octal(0666 & ~mask));
        }
    }
    EXPECT_EQ(octal(mode_of(target)), octal(0755));
}

// Someone who opens the hidden file keeps what its mode let them do then;
// with umask 0 a file made with the default mode could be read by anyone.
TEST_F(style_file_writing, the_new_bytes_are_never_in_a_file_with_a_bit_the_old_one_lacks)
{
    for (mode_t const mask : {0, 022}) {
        scoped_umask const umask(mask);
        for (mode_t const mode : {0600, 0640, 0444, 0664, 04750}) {
            SCOPED_TRACE(octal(mask) + " " + octal(mode));
            QString const path = folder.filePath(QStringLiteral("%1 %2.costyle").arg(mask).arg(mode, 0, 8));
            ASSERT_TRUE(write_file(path, "old"));
            ASSERT_TRUE(set_mode(path, mode));
            if (mode_of(path) != mode)
                continue;
            mode_watch const watch;
            EXPECT_TRUE(write_style_file(path, QStringLiteral("<SL/>\n"), reason)) << reason.toStdString();
            ASSERT_FALSE(watch.seen().empty());
            for (open_file_state const& state : watch.seen())
                EXPECT_EQ(octal(state.mode & 0777 & ~mode), "0")
                    << octal(state.mode) << " at " << state.size << " bytes";
            EXPECT_EQ(octal(watch.seen().back().mode), octal(mode)) << "before the bytes were synced";
            EXPECT_EQ(octal(mode_of(path)), octal(mode));
        }
    }
}

// As on a share mounted for another owner: the style still replaces the old
// one, with the mode the file system gives, and the log says what was lost.
// A replacement is made open to its owner alone, so that is what it keeps.
TEST_F(style_file_writing, a_file_system_that_refuses_modes_still_takes_the_style)
{
    scoped_umask const umask(022);
    struct {
        char const* name;
        mode_t old_mode; // 0 for a new file
        mode_t given;
    } const cases[] = {
        {"group writable.costyle", 0664, 0600},
        {"set-ID.costyle", 04750, 0700},
        {"new.costyle", 0, 0644},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        QString const path = folder.filePath(QString::fromLatin1(c.name));
        if (c.old_mode != 0) {
            ASSERT_TRUE(write_file(path, "old"));
            ASSERT_TRUE(set_mode(path, c.old_mode));
            if (mode_of(path) != c.old_mode)
                continue;
        }
        message_capture const this_write;
        {
            mode_watch const refusing(EPERM);
            EXPECT_TRUE(write_style_file(path, QStringLiteral("<SL/>\n"), reason)) << reason.toStdString();
        }
        EXPECT_EQ(read_file(path), QByteArray("<SL/>\n"));
        EXPECT_EQ(octal(mode_of(path)), octal(c.given));
        QStringList expected(QStringLiteral("info: Wrote '%1'").arg(path));
        if (c.old_mode != 0)
            expected.prepend(
                QStringLiteral("warning: Could not keep the permissions of '%1': the mode: Operation not permitted")
                    .arg(path));
        EXPECT_EQ(this_write.lines(), expected);
        EXPECT_EQ(entries().filter(QStringLiteral(".part")), QStringList());
    }
}

}
