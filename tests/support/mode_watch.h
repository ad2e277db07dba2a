#pragma once

#include <sys/types.h>

#include <functional>
#include <vector>

// What an open file held when its mode, group or ACL was about to change or
// it was synced.
struct open_file_state {
    mode_t mode;
    off_t size;
    uid_t owner;
    gid_t group;
};

// While it lives, sees every fchmod, fchown, fsetxattr and fsync of this
// process before they run, and plays the file systems and systems that
// don't do what they are asked: fchmod fails with `refusal` when that is
// not 0, as on a file system that holds no modes of its own.
class mode_watch {
public:
    explicit mode_watch(int refusal = 0);
    ~mode_watch();

    mode_watch(mode_watch const&) = delete;
    mode_watch& operator=(mode_watch const&) = delete;

    // fchown fails with `error` where it would set the group, as for a
    // group the user is not in, or the owner, as for anyone but root.
    void refuse_group(int error);
    void refuse_owner(int error);
    // fchmod drops the set-group-ID bit without an error, as the system
    // does for a file whose group the user is not in.
    void clear_set_group_id();
    // Setting an ACL fails with `error`.
    void refuse_acls(int error);
    // ACLs can be neither read nor set, as on a file system without them.
    void without_acls();
    // `look` sees the file's handle before each change and each sync.
    void on_change(std::function<void(int handle)> look);

    std::vector<open_file_state> const& seen() const;
};
