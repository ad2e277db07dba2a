// Who may open a style or pack that replaces another: the old file's group,
// set-ID bits and ACL are kept, and no one who couldn't open the old file can
// open the new bytes at any moment. Root may set any group and take any
// user's place, so these run as root.
#include "preset_files.h"
#include "style_file_writing.h"
#include "style_pack_writing.h"

#include "message_capture.h"
#include "mode_watch.h"
#include "other_user.h"
#include "qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <acl/libacl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

gid_t const team = 4242;
gid_t const secret = 4343;
other_user const team_member{5001, team, {team}};
other_user const colleague{5002, 5002, {}};

struct file_writer {
    char const* kind;
    char const* file_name;
    std::function<bool(QString const&)> write;
};

// A style and a pack are replaced the same way.
std::vector<file_writer> const writers{
    {"style", "look.costyle",
     [](QString const& path) {
         QString reason;
         return write_style_file(path, QStringLiteral("<SL/>\n"), reason);
     }},
    {"pack", "looks.costylepack",
     [](QString const& path) {
         QMap<QString, QString> const styles{{QStringLiteral("a.costyle"), QStringLiteral("<SL/>\n")}};
         return write_style_pack(path, style_pack_entries(styles, QString())).written();
     }},
};

QByteArray name_of(QString const& path)
{
    return QFile::encodeName(path);
}

struct stat status_of(QString const& path)
{
    struct stat status {};
    EXPECT_EQ(::lstat(name_of(path).constData(), &status), 0) << path.toStdString();
    return status;
}

bool set_acl(QString const& path, acl_type_t type, char const* text)
{
    acl_t const acl = acl_from_text(text);
    bool const set = acl && acl_set_file(name_of(path).constData(), type, acl) == 0;
    if (acl)
        acl_free(acl);
    return set;
}

std::string acl_text(QString const& path)
{
    acl_t const acl = acl_get_file(name_of(path).constData(), ACL_TYPE_ACCESS);
    if (!acl)
        return "none";
    char* text = acl_to_any_text(acl, nullptr, ',', TEXT_ABBREVIATE | TEXT_NUMERIC_IDS);
    std::string const result = text ? text : "";
    acl_free(text);
    acl_free(acl);
    return result;
}

std::string warning(QString const& path, char const* reason)
{
    return QStringLiteral("Could not keep the permissions of '%1': %2")
        .arg(path, QString::fromLatin1(reason))
        .toStdString();
}

std::string warnings()
{
    return message_capture::texts(QtWarningMsg).join(QLatin1Char('\n')).toStdString();
}

class replaced_file_access : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!may_become(team_member) || !may_become(colleague))
            GTEST_SKIP() << "only root may open files as other users, and only users its namespace maps";
        // Others reach the folders, so only the files' own permissions keep them out.
        ASSERT_EQ(::chmod(name_of(base.path()).constData(), 0755), 0);
        shared = base.filePath(QStringLiteral("shared"));
        ASSERT_TRUE(QDir(base.path()).mkdir(QStringLiteral("shared")));
        if (::chown(name_of(shared).constData(), uid_t(-1), team) != 0)
            GTEST_SKIP() << "the group " << team << " can't be given here: " << std::strerror(errno);
        ASSERT_EQ(::chmod(name_of(shared).constData(), 02775), 0);
    }

    QString old_file(QString const& folder, char const* name, mode_t mode, gid_t group) const
    {
        QString const path = folder + QLatin1Char('/') + QString::fromLatin1(name);
        QFile::remove(path);
        EXPECT_TRUE(write_file(path, "old"));
        EXPECT_EQ(::chown(name_of(path).constData(), uid_t(-1), group), 0);
        EXPECT_EQ(::chmod(name_of(path).constData(), mode), 0);
        return path;
    }

    // Writes over `path` while `watch` looks on: at every change of the new
    // file, and after it is in place, no one of `kept_out` may open it.
    static void replace(file_writer const& writer, QString const& path, mode_watch& watch,
                        std::vector<other_user> const& kept_out)
    {
        for (other_user const& who : kept_out)
            ASSERT_FALSE(may_read(who, name_of(path))) << "user " << who.user << " reads the old file";
        watch.on_change([&kept_out](int handle) {
            QByteArray const file = path_of(handle);
            for (other_user const& who : kept_out)
                EXPECT_FALSE(may_read(who, file)) << "user " << who.user << " opens " << file.constData();
        });
        EXPECT_TRUE(writer.write(path));
        watch.on_change({});
        for (other_user const& who : kept_out)
            EXPECT_FALSE(may_read(who, name_of(path))) << "user " << who.user << " reads the new file";
    }

    QTemporaryDir base;
    QString shared;
    message_capture messages;
};

// A folder of the group team with the set-group-ID bit gives new files its
// group; a replaced style keeps the group secret that team can't read. A
// file system without ACLs has none to carry and nothing to report.
TEST_F(replaced_file_access, the_old_group_is_kept)
{
    for (bool const acls : {true, false})
        for (file_writer const& writer : writers)
            for (mode_t const mode : {0640, 02750, 0660}) {
                SCOPED_TRACE(std::string(writer.kind) + " " + octal(mode) + (acls ? "" : " without ACLs"));
                QString const path = old_file(shared, writer.file_name, mode, secret);
                mode_watch watch;
                if (!acls)
                    watch.without_acls();
                replace(writer, path, watch, {team_member});
                struct stat const now = status_of(path);
                EXPECT_EQ(now.st_gid, secret);
                EXPECT_EQ(octal(now.st_mode), octal(mode));
                EXPECT_EQ(warnings(), "");
            }
}

// As for a group the user is not in: the folder's group keeps the file, so it
// gets no permission that others lacked, and the log says so once.
TEST_F(replaced_file_access, a_group_that_cant_be_set_gets_no_more_than_others)
{
    struct {
        mode_t old_mode;
        mode_t given;
        bool team_reads_old;
    } const cases[] = {
        {0640, 0600, false},
        {0664, 0644, true},
        {02750, 0700, false},
        {0604, 0604, true},
    };
    for (file_writer const& writer : writers)
        for (auto const& c : cases) {
            SCOPED_TRACE(std::string(writer.kind) + " " + octal(c.old_mode));
            QString const path = old_file(shared, writer.file_name, c.old_mode, secret);
            message_capture const this_write;
            mode_watch watch;
            watch.refuse_group(EPERM);
            replace(writer, path, watch, c.team_reads_old ? std::vector<other_user>() : std::vector{team_member});
            struct stat const now = status_of(path);
            EXPECT_EQ(now.st_gid, team);
            EXPECT_EQ(octal(now.st_mode), octal(c.given));
            EXPECT_EQ(warnings(), warning(path, "Operation not permitted"));
        }
}

// What the system changes without an error is found by looking at the file.
TEST_F(replaced_file_access, a_set_id_bit_that_is_not_kept_is_reported)
{
    for (file_writer const& writer : writers) {
        SCOPED_TRACE(writer.kind);
        {
            QString const path = old_file(shared, writer.file_name, 02750, secret);
            message_capture const this_write;
            mode_watch watch;
            watch.clear_set_group_id();
            EXPECT_TRUE(writer.write(path));
            EXPECT_EQ(octal(status_of(path).st_mode), octal(0750));
            EXPECT_EQ(warnings(), warning(path, "the system gave the mode 0750 in place of 2750"));
        }
        {
            // The new file is the writer's own; set-user-ID would lend it to whoever runs it.
            QString const path = old_file(base.path(), writer.file_name, 04755, 0);
            ASSERT_EQ(::chown(name_of(path).constData(), team_member.user, uid_t(-1)), 0);
            ASSERT_EQ(::chmod(name_of(path).constData(), 04755), 0);
            message_capture const this_write;
            EXPECT_TRUE(writer.write(path));
            EXPECT_EQ(octal(status_of(path).st_mode), octal(0755));
            EXPECT_EQ(warnings(), warning(path, "the new file belongs to another user"));
        }
    }
}

// The folder's default ACL lets a colleague read new files; a replaced file
// carries exactly the old one's access ACL instead.
TEST_F(replaced_file_access, the_old_acl_is_carried_and_the_folders_is_not_lent)
{
    if (!set_acl(shared, ACL_TYPE_DEFAULT, "u::rwx,u:5002:r--,g::rwx,m::rwx,o::r-x"))
        GTEST_SKIP() << "the temporary folder's file system has no ACLs: " << std::strerror(errno);
    struct {
        char const* label;
        mode_t old_mode;
        char const* own_acl;
        int group_refusal;
        int acl_refusal;
        char const* acl_after;
        bool colleague_reads;
        char const* warning;
    } const cases[] = {
        {"none of its own", 0640, "u::rw-,g::r--,o::---", 0, 0, "u::rw-,g::r--,o::---", false, nullptr},
        {"its own", 0600, "u::rw-,u:5002:r--,g::---,m::r--,o::---", 0, 0, "u::rw-,u:5002:r--,g::---,m::r--,o::---",
         true, nullptr},
        {"its own, group not set", 0640, "u::rw-,u:5002:r--,g::r--,m::r--,o::---", EPERM, 0,
         "u::rw-,u:5002:r--,g::---,m::r--,o::---", true, "Operation not permitted"},
        {"none of its own, not set", 0640, "u::rw-,g::r--,o::---", 0, EIO, "u::rw-,u:5002:r--,g::rwx,m::---,o::---",
         false, "Input/output error"},
        {"its own, not set", 0600, "u::rw-,u:5002:r--,g::---,m::r--,o::---", 0, EIO,
         "u::rw-,u:5002:r--,g::rwx,m::---,o::---", false, "Input/output error"},
    };
    for (file_writer const& writer : writers)
        for (auto const& c : cases) {
            SCOPED_TRACE(std::string(writer.kind) + ", " + c.label);
            QString const path = old_file(shared, writer.file_name, c.old_mode, secret);
            ASSERT_TRUE(set_acl(path, ACL_TYPE_ACCESS, c.own_acl));
            std::vector<other_user> kept_out{team_member};
            if (std::string(c.own_acl).find("5002") == std::string::npos)
                kept_out.push_back(colleague);
            message_capture const this_write;
            {
                mode_watch watch;
                watch.refuse_group(c.group_refusal);
                watch.refuse_acls(c.acl_refusal);
                replace(writer, path, watch, kept_out);
            }
            EXPECT_EQ(acl_text(path), c.acl_after);
            EXPECT_EQ(may_read(colleague, name_of(path)), c.colleague_reads);
            EXPECT_EQ(warnings(), c.warning ? warning(path, c.warning) : "");
        }
}

}
