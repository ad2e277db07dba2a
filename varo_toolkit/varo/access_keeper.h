#pragma once

#include <QString>

#include <sys/acl.h>
#include <sys/stat.h>

#include <optional>

namespace varo {

// Hands who may open a file on to the file written to replace it: its
// permission bits, its group and its access ACL, as far as the file system
// and the user's groups allow. What can't be handed on leaves the new file
// more closed, never more open, and is logged once.
class access_keeper {
public:
    // Reads what the regular file at `path` allows; a link or a missing
    // file lends nothing, and the new file is made as any new file is.
    explicit access_keeper(QString const& path);
    ~access_keeper();

    access_keeper(access_keeper const&) = delete;
    access_keeper& operator=(access_keeper const&) = delete;

    // Until its group and ACL are the old file's, a replacement is open to
    // its owner alone: the folder may have lent it others.
    int creation_mode() const;
    // The group, the ACL and the permission bits.
    void before_bytes(int handle);
    // A write clears set-ID bits, so they come after the last byte.
    void after_bytes(int handle);

private:
    void keep_group(int handle);
    void keep_acl(int handle, acl_t acl);
    void keep_permission_bits(int handle);
    mode_t permission_bits() const;
    mode_t special_bits(struct stat const& now);
    // After a change of the mode or ACL that `changed` tells of.
    void settle(int handle, bool changed, mode_t wanted);
    void warn(QString const& reason);

    QString path;
    std::optional<struct stat> old;
    acl_t old_acl = nullptr;
    QString unreadable_acl;
    bool group_kept = true;
    bool bits_kept = true;
    bool warned = false;
};

}
