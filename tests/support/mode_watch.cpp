#include "mode_watch.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

struct watch_settings {
    bool watching = false;
    int mode_refusal = 0;
    int group_refusal = 0;
    int owner_refusal = 0;
    int acl_refusal = 0;
    bool clears_set_group_id = false;
    std::function<void(int)> look;
};

watch_settings settings;
std::vector<open_file_state> states;

void see(int handle)
{
    struct stat now {};
    if (!settings.watching || ::fstat(handle, &now) != 0)
        return;
    states.push_back(open_file_state{mode_t(now.st_mode & 07777), now.st_size, now.st_uid, now.st_gid});
    if (settings.look)
        settings.look(handle);
}

bool refused(int error)
{
    if (!settings.watching || error == 0)
        return false;
    errno = error;
    return true;
}

bool is_acl(char const* name)
{
    return std::strncmp(name, "system.posix_acl_", 17) == 0;
}

// Only a file system without ACLs refuses to read them.
bool refused_reading(char const* name)
{
    return is_acl(name) && refused(settings.acl_refusal == ENOTSUP ? ENOTSUP : 0);
}

}

// These take the place of the C library's functions for the whole test
// program, libraries included, so the code under test calls them unchanged.
extern "C" int fchmod(int handle, mode_t mode)
{
    see(handle);
    if (refused(settings.mode_refusal))
        return -1;
    if (settings.watching && settings.clears_set_group_id)
        mode &= ~mode_t(S_ISGID);
    return int(::syscall(SYS_fchmod, handle, mode));
}

extern "C" int fchown(int handle, uid_t owner, gid_t group)
{
    see(handle);
    if ((group != gid_t(-1) && refused(settings.group_refusal))
        || (owner != uid_t(-1) && refused(settings.owner_refusal)))
        return -1;
    return int(::syscall(SYS_fchown, handle, owner, group));
}

extern "C" int fsetxattr(int handle, char const* name, void const* value, size_t size, int flags)
{
    see(handle);
    if (is_acl(name) && refused(settings.acl_refusal))
        return -1;
    return int(::syscall(SYS_fsetxattr, handle, name, value, size, flags));
}

extern "C" ssize_t getxattr(char const* path, char const* name, void* value, size_t size)
{
    if (refused_reading(name))
        return -1;
    return ::syscall(SYS_getxattr, path, name, value, size);
}

extern "C" ssize_t fgetxattr(int handle, char const* name, void* value, size_t size)
{
    if (refused_reading(name))
        return -1;
    return ::syscall(SYS_fgetxattr, handle, name, value, size);
}

extern "C" int fsync(int handle)
{
    see(handle);
    return int(::syscall(SYS_fsync, handle));
}

mode_watch::mode_watch(int refusal)
{
    states.clear();
    settings = watch_settings();
    settings.mode_refusal = refusal;
    settings.watching = true;
}

mode_watch::~mode_watch()
{
    settings = watch_settings();
}

void mode_watch::refuse_group(int error)
{
    settings.group_refusal = error;
}

void mode_watch::refuse_owner(int error)
{
    settings.owner_refusal = error;
}

void mode_watch::clear_set_group_id()
{
    settings.clears_set_group_id = true;
}

void mode_watch::refuse_acls(int error)
{
    settings.acl_refusal = error;
}

void mode_watch::without_acls()
{
    settings.acl_refusal = ENOTSUP;
}

void mode_watch::on_change(std::function<void(int handle)> look)
{
    settings.look = std::move(look);
}

std::vector<open_file_state> const& mode_watch::seen() const
{
    return states;
}
