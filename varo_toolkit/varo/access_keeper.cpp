#include "varo/access_keeper.h"

#include <QFile>
#include <QtDebug>

#include <acl/libacl.h>
#include <unistd.h>

#include <cerrno>

namespace varo {

namespace {

std::optional<struct stat> regular_file(QByteArray const& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status;
}

acl_entry_t entry_of(acl_t acl, acl_tag_t tag)
{
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1; which = ACL_NEXT_ENTRY) {
        acl_tag_t found;
        if (acl_get_tag_type(entry, &found) == 0 && found == tag)
            return entry;
    }
    return nullptr;
}

// The owning group is another than the old file's, so it gets nothing
// that others were not given.
void narrow_owning_group(acl_t acl)
{
    acl_entry_t const group_entry = entry_of(acl, ACL_GROUP_OBJ);
    acl_entry_t const other_entry = entry_of(acl, ACL_OTHER);
    acl_permset_t group;
    acl_permset_t other;
    if (!group_entry || !other_entry || acl_get_permset(group_entry, &group) != 0
        || acl_get_permset(other_entry, &other) != 0)
        return;
    for (acl_perm_t const permission : {ACL_READ, ACL_WRITE, ACL_EXECUTE})
        if (acl_get_perm(other, permission) != 1)
            acl_delete_perm(group, permission);
    acl_set_permset(group_entry, group);
}

QString octal(mode_t mode)
{
    return QStringLiteral("%1").arg(mode, 4, 8, QLatin1Char('0'));
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

void access_keeper::before_bytes(int handle)
{
    if (!old)
        return;
    keep_group(handle);
    int const lent = acl_extended_fd(handle);
    if (!unreadable_acl.isEmpty() || (lent < 0 && errno != ENOTSUP)) {
        bits_kept = false;
        warn(unreadable_acl.isEmpty() ? qt_error_string(errno) : unreadable_acl);
    } else if (old_acl && acl_equiv_mode(old_acl, nullptr) != 0) {
        keep_acl(handle, acl_dup(old_acl));
    } else if (lent == 1) {
        // What the folder's default ACL lent the new file goes.
        keep_acl(handle, acl_from_mode(permission_bits()));
    } else {
        keep_permission_bits(handle);
    }
}

void access_keeper::after_bytes(int handle)
{
    struct stat now {};
    if (!old || !bits_kept || ::fstat(handle, &now) != 0)
        return;
    mode_t const special = special_bits(now);
    if (special == 0)
        return;
    mode_t const wanted = (now.st_mode & 0777) | special;
    settle(handle, ::fchmod(handle, wanted) == 0, wanted);
}

void access_keeper::keep_group(int handle)
{
    struct stat now {};
    if (::fstat(handle, &now) == 0 && now.st_gid == old->st_gid)
        return;
    if (::fchown(handle, uid_t(-1), old->st_gid) == 0)
        return;
    group_kept = false;
    warn(qt_error_string(errno));
}

void access_keeper::keep_acl(int handle, acl_t acl)
{
    if (!group_kept)
        narrow_owning_group(acl);
    mode_t expected = 0;
    acl_equiv_mode(acl, &expected);
    settle(handle, acl_set_fd(handle, acl) == 0, expected & 0777);
    acl_free(acl);
}

void access_keeper::keep_permission_bits(int handle)
{
    mode_t const wanted = permission_bits();
    struct stat now {};
    if (::fstat(handle, &now) == 0 && (now.st_mode & 07777) == wanted)
        return;
    settle(handle, ::fchmod(handle, wanted) == 0, wanted);
}

mode_t access_keeper::permission_bits() const
{
    mode_t bits = old->st_mode & 0777;
    if (!group_kept)
        bits &= ~(S_IRWXG & ~((bits & S_IRWXO) << 3));
    return bits;
}

mode_t access_keeper::special_bits(struct stat const& now)
{
    mode_t special = old->st_mode & 07000;
    // A group that wasn't kept is reported already; its set-group-ID bit
    // would lend the folder's group to whoever runs the file.
    if (!group_kept)
        special &= ~mode_t(S_ISGID);
    if ((special & S_ISUID) && now.st_uid != old->st_uid) {
        special &= ~mode_t(S_ISUID);
        warn(QStringLiteral("the new file belongs to another user"));
    }
    return special;
}

// A change that succeeded is read back: the system may change a mode in
// its own way without an error, as it clears the set-group-ID bit of a file
// whose group the user is not in.
void access_keeper::settle(int handle, bool changed, mode_t wanted)
{
    struct stat now {};
    if (!changed) {
        bits_kept = false;
        warn(qt_error_string(errno));
    } else if (::fstat(handle, &now) == 0 && (now.st_mode & 07777) != wanted) {
        bits_kept = false;
        warn(QStringLiteral("the system gave the mode %1 in place of %2")
                 .arg(octal(now.st_mode & 07777), octal(wanted)));
    }
}

void access_keeper::warn(QString const& reason)
{
    if (warned)
        return;
    warned = true;
    qWarning("Could not keep the permissions of '%s': %s", qUtf8Printable(path), qUtf8Printable(reason));
}

}
