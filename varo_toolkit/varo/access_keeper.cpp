#include "varo/access_keeper.h"

#include <QFile>
#include <QtDebug>

#include <acl/libacl.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace varo {

namespace {

std::optional<struct stat> regular_file(QByteArray const& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status;
}

QString octal(mode_t mode)
{
    return QStringLiteral("%1").arg(mode, 4, 8, QLatin1Char('0'));
}

// A number where the account is unknown to this machine.
QString user_name(uid_t user)
{
    struct passwd entry {};
    struct passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(user);
}

QString group_name(gid_t group)
{
    struct group entry {};
    struct group* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(group);
}

}

access_keeper::access_keeper(QString const& path) : path(path)
{
    QByteArray const name = QFile::encodeName(path);
    old = regular_file(name);
    if (!old)
        return;
    old_acl = acl_get_file(name.constData(), ACL_TYPE_ACCESS);
    // A file system without ACLs has none to hand on.
    if (!old_acl && errno != ENOTSUP)
        unreadable_acl = qt_error_string(errno);
}

access_keeper::~access_keeper()
{
    if (old_acl)
        acl_free(old_acl);
}

int access_keeper::creation_mode() const
{
    return old ? int(old->st_mode & S_IRWXU) : 0666;
}

QString access_keeper::before_bytes(int handle)
{
    if (!old)
        return QString();
    keep_owner(handle);
    if (lost.owner) {
        QString const refusal = may_write_old();
        if (!refusal.isEmpty())
            return refusal;
    }
    keep_group(handle);
    keep_access(handle);
    return QString();
}

void access_keeper::after_bytes(int handle)
{
    struct stat now {};
    if (!old || !bits_kept || ::fstat(handle, &now) != 0)
        return;
    mode_t const special = special_bits();
    if (special == 0)
        return;
    mode_t const wanted = (now.st_mode & 0777) | special;
    settle(handle, ::fchmod(handle, wanted) == 0, wanted, QStringLiteral("the mode"));
}

void access_keeper::report() const
{
    if (!old)
        return;
    bool const special_lost = (old->st_mode & 07000 & ~special_bits()) != 0;
    if (!lost.owner && losses.isEmpty() && !narrowed && !special_lost)
        return;
    QStringList parts;
    if (lost.owner)
        parts.append(QStringLiteral("the owner '%1' (the file now belongs to '%2')")
                         .arg(user_name(old->st_uid), user_name(new_owner)));
    if (lost.group)
        parts.append(QStringLiteral("the group '%1': %2").arg(group_name(old->st_gid), group_refusal));
    parts.append(losses);
    qWarning("Could not keep the permissions of '%s': %s", qUtf8Printable(path),
             qUtf8Printable(parts.join(QStringLiteral("; "))));
}

void access_keeper::keep_owner(int handle)
{
    struct stat now {};
    if (::fstat(handle, &now) == 0 && now.st_uid == old->st_uid)
        return;
    if (::fchown(handle, old->st_uid, gid_t(-1)) == 0)
        return;
    lost.owner = true;
    new_owner = ::geteuid();
}

// Replacing needs only the folder's permission, but the old owner relies
// on the file's own: another user's file is replaced only by whoever could
// have written it anyway.
QString access_keeper::may_write_old() const
{
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0)
        return QString();
    return qt_error_string(errno);
}

void access_keeper::keep_group(int handle)
{
    struct stat now {};
    bool const known = ::fstat(handle, &now) == 0;
    if (known && now.st_gid == old->st_gid)
        return;
    if (::fchown(handle, uid_t(-1), old->st_gid) == 0)
        return;
    group_refusal = qt_error_string(errno);
    lost.group = true;
    lost.new_group = known ? now.st_gid : gid_t(-1);
}

void access_keeper::keep_access(int handle)
{
    int const lent = acl_extended_fd(handle);
    if (!unreadable_acl.isEmpty() || (lent < 0 && errno != ENOTSUP)) {
        bits_kept = false;
        lose(QStringLiteral("the ACL"), unreadable_acl.isEmpty() ? qt_error_string(errno) : unreadable_acl);
    } else if (old_acl && acl_equiv_mode(old_acl, nullptr) != 0) {
        acl_t const acl = acl_dup(old_acl);
        narrowed = narrow_acl(acl, lost);
        keep_acl(handle, acl);
    } else {
        mode_t const bits = permission_bits();
        narrowed = bits != (old->st_mode & 0777);
        if (lent == 1)
            // What the folder's default ACL lent the new file goes.
            keep_acl(handle, acl_from_mode(bits));
        else
            keep_permission_bits(handle);
    }
}

void access_keeper::keep_acl(int handle, acl_t acl)
{
    mode_t expected = 0;
    acl_equiv_mode(acl, &expected);
    settle(handle, acl_set_fd(handle, acl) == 0, expected & 0777, QStringLiteral("the ACL"));
    acl_free(acl);
}

void access_keeper::keep_permission_bits(int handle)
{
    mode_t const wanted = permission_bits();
    struct stat now {};
    if (::fstat(handle, &now) == 0 && (now.st_mode & 07777) == wanted)
        return;
    settle(handle, ::fchmod(handle, wanted) == 0, wanted, QStringLiteral("the mode"));
}

mode_t access_keeper::permission_bits() const
{
    return narrowed_permission_bits(old->st_mode & 0777, lost);
}

// A set-ID bit of an owner or group that wasn't kept would lend this
// user's, or the folder's group, to whoever runs the file.
mode_t access_keeper::special_bits() const
{
    mode_t special = old->st_mode & 07000;
    if (lost.group)
        special &= ~mode_t(S_ISGID);
    if (lost.owner)
        special &= ~mode_t(S_ISUID);
    return special;
}

// A change that succeeded is read back: the system may change a mode in
// its own way without an error, as it clears the set-group-ID bit of a file
// whose group the user is not in.
void access_keeper::settle(int handle, bool changed, mode_t wanted, QString const& part)
{
    struct stat now {};
    if (!changed) {
        bits_kept = false;
        lose(part, qt_error_string(errno));
    } else if (::fstat(handle, &now) == 0 && (now.st_mode & 07777) != wanted) {
        bits_kept = false;
        lose(part, QStringLiteral("the system gave the mode %1 in place of %2")
                       .arg(octal(now.st_mode & 07777), octal(wanted)));
    }
}

void access_keeper::lose(QString const& part, QString const& reason)
{
    losses.append(part + QStringLiteral(": ") + reason);
}

}
