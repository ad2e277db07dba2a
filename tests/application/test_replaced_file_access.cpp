// Who may open a style or pack that replaces another: the old file's owner,
// group, set-ID bits and ACL are kept, and no one who couldn't open the old
// file can open the new bytes at any moment. Root may set any group and take
// any user's place, so these run as root, and as the users where it matters.
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
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

gid_t const team = 4242;
gid_t const secret = 4343;
other_user const team_member{5001, team, {team}};
other_user const colleague{5002, 5002, {}};
other_user const secret_member{5003, secret, {secret}};
// Writes in the team's folder, but is no member of secret.
other_user const team_writer{5004, 5004, {team}};
std::vector<other_user> const everyone{team_member, colleague, secret_member, team_writer};

struct file_writer {
    char const* kind;
    char const* file_name;
    // The reason the file was not written; empty when it was.
    std::function<QString(QString const&)> write;
};

// A style and a pack are replaced the same way.
std::vector<file_writer> const writers{
    {"style", "look.costyle",
     [](QString const& path) {
         QString reason;
         return write_style_file(path, QStringLiteral("<SL/>\n"), reason) ? QString() : reason;
     }},
    {"pack", "looks.costylepack",
     [](QString const& path) {
         QMap<QString, QString> const styles{{QStringLiteral("a.costyle"), QStringLiteral("<SL/>\n")}};
         style_pack_result const result = write_style_pack(path, style_pack_entries(styles, QString()));
         return result.written() ? QString() : result.open_error + result.close_error + result.write_error;
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

// As the log names accounts: a number where the machine has none.
std::string user_name(uid_t user)
{
    passwd const* const found = ::getpwuid(user);
    return found ? found->pw_name : std::to_string(user);
}

std::string group_name(gid_t id)
{
    struct group const* const found = ::getgrgid(id);
    return found ? found->gr_name : std::to_string(id);
}

std::string warning(QString const& path, char const* reason)
{
    return QStringLiteral("Could not keep the permissions of '%1': %2")
        .arg(path, QString::fromLatin1(reason))
        .toStdString();
}

std::string owner_warning(QString const& path, uid_t old_owner, uid_t new_owner)
{
    return warning(
        path,
        ("the owner '" + user_name(old_owner) + "' (the file now belongs to '" + user_name(new_owner) + "')").c_str());
}

std::string group_warning(QString const& path, gid_t group, char const* reason)
{
    return warning(path, ("the group '" + group_name(group) + "': " + reason).c_str());
}

QStringList part_files(QString const& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden);
}

std::string warnings()
{
    return message_capture::texts(QtWarningMsg).join(QLatin1Char('\n')).toStdString();
}

class replaced_file_access : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (other_user const& who : everyone)
            if (!may_become(who))
                GTEST_SKIP() << "only root may open files as other users, and only users its namespace maps";
        // Others reach the folders, so only the files' own permissions keep them out.
        ASSERT_EQ(::chmod(name_of(base.path()).constData(), 0755), 0);
        shared = folder(QStringLiteral("shared"), 0, 02775);
        if (::chown(name_of(shared).constData(), uid_t(-1), team) != 0)
            GTEST_SKIP() << "the group " << team << " can't be given here: " << std::strerror(errno);
        ASSERT_EQ(::chmod(name_of(shared).constData(), 02775), 0);
    }

    QString folder(QString const& name, uid_t owner, mode_t mode) const
    {
        QString const path = base.filePath(name);
        EXPECT_TRUE(QDir(base.path()).mkdir(name));
        EXPECT_EQ(::chown(name_of(path).constData(), owner, uid_t(-1)), 0);
        EXPECT_EQ(::chmod(name_of(path).constData(), mode), 0);
        return path;
    }

    QString old_file(QString const& folder, char const* name, mode_t mode, gid_t group, uid_t owner = 0) const
    {
        QString const path = folder + QLatin1Char('/') + QString::fromLatin1(name);
        QFile::remove(path);
        EXPECT_TRUE(write_file(path, "old"));
        EXPECT_EQ(::chown(name_of(path).constData(), owner, group), 0);
        EXPECT_EQ(::chmod(name_of(path).constData(), mode), 0);
        return path;
    }

    // Writes over `path`, as `writer` where given, while `watch` looks on:
    // at every change of the new file, and after it is in place, no one else
    // who couldn't open the old file may open it.
    static QString replace(file_writer const& kind, QString const& path, mode_watch& watch,
                           other_user const* writer = nullptr)
    {
        std::vector<other_user> kept_out;
        for (other_user const& who : everyone)
            if ((!writer || who.user != writer->user) && !may_read(who, name_of(path)))
                kept_out.push_back(who);
        watch.on_change([&kept_out](int handle) {
            QByteArray const file = path_of(handle);
            for (other_user const& who : kept_out)
                EXPECT_FALSE(may_read(who, file)) << "user " << who.user << " opens " << file.constData();
        });
        QString reason;
        {
            std::optional<acting_as> const as =
                writer ? std::optional<acting_as>(std::in_place, *writer) : std::nullopt;
            reason = kind.write(path);
        }
        watch.on_change({});
        for (other_user const& who : kept_out)
            EXPECT_FALSE(may_read(who, name_of(path))) << "user " << who.user << " reads the new file";
        return reason;
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
                EXPECT_EQ(replace(writer, path, watch), "");
                struct stat const now = status_of(path);
                EXPECT_EQ(now.st_gid, secret);
                EXPECT_EQ(octal(now.st_mode), octal(mode));
                EXPECT_EQ(warnings(), "");
            }
}

// As for a group the user is not in: the folder's group keeps the file, so
// it and others get only what the old group and others both had, and the
// log says so once where that narrows anyone's access.
TEST_F(replaced_file_access, a_group_that_cant_be_set_gets_only_what_group_and_others_both_had)
{
    struct {
        mode_t old_mode;
        mode_t given;
        bool reported;
    } const cases[] = {
        {0640, 0600, true}, {0664, 0644, true}, {02750, 0700, true}, {0604, 0600, true}, {0644, 0644, false},
    };
    for (file_writer const& writer : writers)
        for (auto const& c : cases) {
            SCOPED_TRACE(std::string(writer.kind) + " " + octal(c.old_mode));
            QString const path = old_file(shared, writer.file_name, c.old_mode, secret);
            message_capture const this_write;
            mode_watch watch;
            watch.refuse_group(EPERM);
            EXPECT_EQ(replace(writer, path, watch), "");
            struct stat const now = status_of(path);
            EXPECT_EQ(now.st_gid, team);
            EXPECT_EQ(octal(now.st_mode), octal(c.given));
            EXPECT_EQ(warnings(), c.reported ? group_warning(path, secret, "Operation not permitted") : "");
        }
}

// The same without any faking: a user who owns a style of a group they are
// not in, in their own folder and in the team's, where an ACL denies the
// team what others get.
TEST_F(replaced_file_access, a_lost_group_never_turns_a_denial_into_access)
{
    QString const own = folder(QStringLiteral("own"), team_writer.user, 0755);
    struct {
        char const* label;
        QString const& place;
        mode_t old_mode;
        char const* acl;
        mode_t given;
        gid_t new_group;
        bool secret_reads;
        bool reported;
    } const cases[] = {
        {"denied to the group", own, 0604, nullptr, 0600, team_writer.group, false, true},
        {"the same to group and others", own, 0644, nullptr, 0644, team_writer.group, true, false},
        {"denied to the folder's group", shared, 0644, "u::rw-,g::r--,g:4242:---,m::r--,o::r--", 0644, team, true,
         true},
    };
    for (file_writer const& writer : writers)
        for (auto const& c : cases) {
            SCOPED_TRACE(std::string(writer.kind) + ", " + c.label);
            QString const path = old_file(c.place, writer.file_name, c.old_mode, secret, team_writer.user);
            if (c.acl && !set_acl(path, ACL_TYPE_ACCESS, c.acl)) {
                // Only a file system without ACLs may leave this case out.
                EXPECT_EQ(errno, ENOTSUP) << std::strerror(errno);
                continue;
            }
            message_capture const this_write;
            mode_watch watch;
            EXPECT_EQ(replace(writer, path, watch, &team_writer), "");
            struct stat const now = status_of(path);
            EXPECT_EQ(now.st_uid, team_writer.user);
            EXPECT_EQ(now.st_gid, c.new_group);
            EXPECT_EQ(octal(now.st_mode), octal(c.given));
            if (c.acl) {
                EXPECT_EQ(acl_text(path), "u::rw-,g::---,g:4242:---,m::r--,o::r--");
            }
            EXPECT_EQ(may_read(secret_member, name_of(path)), c.secret_reads);
            EXPECT_EQ(warnings(), c.reported ? group_warning(path, secret, "Operation not permitted") : "");
        }
}

// Run as root (started with sudo, say) in a user's folder, the user keeps
// their style: it is theirs before its first byte.
TEST_F(replaced_file_access, root_keeps_the_owner)
{
    QString const home = folder(QStringLiteral("home"), colleague.user, 0700);
    for (file_writer const& writer : writers)
        for (mode_t const mode : {0600, 04750}) {
            SCOPED_TRACE(std::string(writer.kind) + " " + octal(mode));
            QString const path = old_file(home, writer.file_name, mode, colleague.group, colleague.user);
            mode_watch watch;
            EXPECT_EQ(replace(writer, path, watch), "");
            for (open_file_state const& state : watch.seen())
                if (state.size > 0) {
                    EXPECT_EQ(state.owner, colleague.user) << "at " << state.size << " bytes";
                    EXPECT_EQ(state.group, colleague.group) << "at " << state.size << " bytes";
                }
            struct stat const now = status_of(path);
            EXPECT_EQ(now.st_uid, colleague.user);
            EXPECT_EQ(now.st_gid, colleague.group);
            EXPECT_EQ(octal(now.st_mode), octal(mode));
            EXPECT_TRUE(may_read(colleague, name_of(path)));
            EXPECT_EQ(warnings(), "");
        }
}

// In the team's folder anyone of the team may rename files, but only the
// file's own permissions say who may write it.
TEST_F(replaced_file_access, another_users_file_is_replaced_only_by_who_may_write_it)
{
    struct {
        char const* label;
        mode_t mode;
        uid_t old_owner;
        char const* reason;
        uid_t new_owner;
    } const cases[] = {
        {"another's, not writable", 0600, team_member.user, "Permission denied", team_member.user},
        {"another's, writable", 0664, team_member.user, "", team_writer.user},
        {"one's own, read-only", 0444, team_writer.user, "", team_writer.user},
    };
    for (file_writer const& writer : writers)
        for (auto const& c : cases) {
            SCOPED_TRACE(std::string(writer.kind) + ", " + c.label);
            QString const path = old_file(shared, writer.file_name, c.mode, team, c.old_owner);
            message_capture const this_write;
            mode_watch watch;
            QString const reason = replace(writer, path, watch, &team_writer);
            EXPECT_EQ(reason, QString::fromLatin1(c.reason));
            EXPECT_EQ(read_file(path) == "old", !reason.isEmpty());
            struct stat const now = status_of(path);
            EXPECT_EQ(now.st_uid, c.new_owner);
            EXPECT_EQ(octal(now.st_mode), octal(c.mode));
            EXPECT_TRUE(may_read(team_member, name_of(path)));
            EXPECT_EQ(part_files(shared), QStringList());
            EXPECT_EQ(warnings(), c.new_owner == c.old_owner ? "" : owner_warning(path, c.old_owner, c.new_owner));
        }
}

// A file that in the end isn't written has no warning of what it would not
// have kept, its owner and group here: in a sticky folder, only the owner
// may replace a file.
TEST_F(replaced_file_access, a_file_that_is_not_replaced_reports_nothing_it_would_lose)
{
    QString const sticky = folder(QStringLiteral("sticky"), 0, 01777);
    for (file_writer const& writer : writers) {
        SCOPED_TRACE(writer.kind);
        QString const path = old_file(sticky, writer.file_name, 0646, secret, team_member.user);
        message_capture const this_write;
        mode_watch watch;
        EXPECT_EQ(replace(writer, path, watch, &team_writer), "Operation not permitted");
        EXPECT_EQ(read_file(path), QByteArray("old"));
        EXPECT_EQ(part_files(sticky), QStringList());
        EXPECT_EQ(warnings(), "Error writing '" + path.toStdString() + "': Operation not permitted");
    }
}

// What the system changes without an error is found by looking at the file;
// a set-user-ID bit is dropped where the owner can't be kept, as it would
// lend the new owner to whoever runs the file.
TEST_F(replaced_file_access, a_set_id_bit_that_is_not_kept_is_reported)
{
    for (file_writer const& writer : writers) {
        SCOPED_TRACE(writer.kind);
        {
            QString const path = old_file(shared, writer.file_name, 02750, secret);
            message_capture const this_write;
            mode_watch watch;
            watch.clear_set_group_id();
            EXPECT_EQ(writer.write(path), "");
            EXPECT_EQ(octal(status_of(path).st_mode), octal(0750));
            EXPECT_EQ(warnings(), warning(path, "the mode: the system gave the mode 0750 in place of 2750"));
        }
        {
            QString const path = old_file(base.path(), writer.file_name, 04755, 0, team_member.user);
            message_capture const this_write;
            mode_watch watch;
            watch.refuse_owner(EPERM);
            EXPECT_EQ(writer.write(path), "");
            EXPECT_EQ(status_of(path).st_uid, 0u);
            EXPECT_EQ(octal(status_of(path).st_mode), octal(0755));
            EXPECT_EQ(warnings(), owner_warning(path, team_member.user, 0));
        }
    }
}

// The folder's default ACL lets a colleague read new files; a replaced file
// carries exactly the old one's access ACL instead.
TEST_F(replaced_file_access, the_old_acl_is_carried_and_the_folders_is_not_lent)
{
    if (!set_acl(shared, ACL_TYPE_DEFAULT, "u::rwx,u:5002:r--,g::rwx,m::rwx,o::r-x"))
        GTEST_SKIP() << "the temporary folder's file system has no ACLs: " << std::strerror(errno);
    std::string const group_lost = "the group '" + group_name(secret) + "': Operation not permitted";
    struct {
        char const* label;
        mode_t old_mode;
        char const* own_acl;
        int group_refusal;
        int acl_refusal;
        char const* acl_after;
        bool colleague_reads;
        std::string warning;
    } const cases[] = {
        {"none of its own", 0640, "u::rw-,g::r--,o::---", 0, 0, "u::rw-,g::r--,o::---", false, ""},
        {"its own", 0600, "u::rw-,u:5002:r--,g::---,m::r--,o::---", 0, 0, "u::rw-,u:5002:r--,g::---,m::r--,o::---",
         true, ""},
        {"its own, group not set", 0640, "u::rw-,u:5002:r--,g::r--,m::r--,o::---", EPERM, 0,
         "u::rw-,u:5002:r--,g::---,m::r--,o::---", true, group_lost},
        {"none of its own, not set", 0640, "u::rw-,g::r--,o::---", 0, EIO, "u::rw-,u:5002:r--,g::rwx,m::---,o::---",
         false, "the ACL: Input/output error"},
        {"its own, not set", 0600, "u::rw-,u:5002:r--,g::---,m::r--,o::---", 0, EIO,
         "u::rw-,u:5002:r--,g::rwx,m::---,o::---", false, "the ACL: Input/output error"},
    };
    for (file_writer const& writer : writers)
        for (auto const& c : cases) {
            SCOPED_TRACE(std::string(writer.kind) + ", " + c.label);
            QString const path = old_file(shared, writer.file_name, c.old_mode, secret);
            ASSERT_TRUE(set_acl(path, ACL_TYPE_ACCESS, c.own_acl));
            message_capture const this_write;
            {
                mode_watch watch;
                watch.refuse_group(c.group_refusal);
                watch.refuse_acls(c.acl_refusal);
                EXPECT_EQ(replace(writer, path, watch), "");
            }
            EXPECT_EQ(acl_text(path), c.acl_after);
            EXPECT_EQ(may_read(colleague, name_of(path)), c.colleague_reads);
            EXPECT_EQ(warnings(), c.warning.empty() ? "" : warning(path, c.warning.c_str()));
        }
}

}
