#pragma once

#include "varo/access_narrowing.h"

#include <QString>
#include <QStringList>

#include <sys/acl.h>
#include <sys/stat.h>

#include <optional>

namespace varo {

// Hands who may open a file on to the file written to replace it: its
// owner, its group, its permission bits and its access ACL, as far as the
// file system and the user's rights allow. What can't be handed on leaves
// the new file more closed, never more open, and is reported once.
class access_keeper {
public:
    // Reads what the regular file at `path` allows; a link or a missing
    // file lends nothing, and the new file is made as any new file is.
    explicit access_keeper(QString const& path);
    ~access_keeper();

    access_keeper(access_keeper const&) = delete;
    access_keeper& operator=(access_keeper const&) = delete;

    // Until its owner, group and ACL are the old file's, a replacement is
    // open to its owner alone: the folder may have lent it others.
    int creation_mode() const;
    // The owner, the group, the ACL and the permission bits. Returns the
    // system's reason where the old file may not be replaced: another
    // user's file that this user couldn't write keeps its owner.
    QString before_bytes(int handle);
    // A write clears set-ID bits, so they come after the last byte.
    void after_bytes(int handle);
    // Logs what was not kept, once the replacement is in place, where that
    // changes who may open the file.
    void report() const;

private:
    void keep_owner(int handle);
    QString may_write_old() const;
    void keep_group(int handle);
    void keep_access(int handle);
    void keep_acl(int handle, acl_t acl);
    void keep_permission_bits(int handle);
    mode_t permission_bits() const;
    mode_t special_bits() const;
    // After a change of the mode or ACL, named `part`, that `changed` tells of.
    void settle(int handle, bool changed, mode_t wanted, QString const& part);
    void lose(QString const& part, QString const& reason);

    QString path;
    std::optional<struct stat> old;
    acl_t old_acl = nullptr;
    QString unreadable_acl;
    lost_identity lost;
    uid_t new_owner = uid_t(-1);
    QString group_refusal;
    bool bits_kept = true;
    bool narrowed = false;
    QStringList losses;
};

}
