#include "other_user.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

// The child calls the system directly: after a fork in a process with
// threads, the C library's own identity changes may wait for threads that
// are gone. Exits 2 where it can't become `who`, else 0 where `path` (if
// any) opens for reading, else 1.
int as_user(other_user const& who, char const* path)
{
    pid_t const child = ::fork();
    if (child == 0) {
        // A thread acting as another user takes root's place back first.
        if (::syscall(SYS_setresuid, -1, 0, -1) != 0
            || ::syscall(SYS_setgroups, who.groups.size(), who.groups.data()) != 0
            || ::syscall(SYS_setresgid, who.group, who.group, who.group) != 0
            || ::syscall(SYS_setresuid, who.user, who.user, who.user) != 0)
            ::_exit(2);
        ::_exit(!path || ::open(path, O_RDONLY) >= 0 ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

}

bool may_become(other_user const& who)
{
    return ::geteuid() == 0 && as_user(who, nullptr) == 0;
}

bool may_read(other_user const& who, QByteArray const& path)
{
    int const result = as_user(who, path.constData());
    if (result != 0 && result != 1)
        ADD_FAILURE() << "could not try to read " << path.constData() << " as user " << who.user;
    return result == 0;
}

// The system's own calls change the calling thread alone; the C library's
// would change every thread.
acting_as::acting_as(other_user const& who) : saved_groups(std::size_t(::getgroups(0, nullptr)))
{
    saved_groups.resize(std::size_t(std::max(0, ::getgroups(int(saved_groups.size()), saved_groups.data()))));
    if (::syscall(SYS_setgroups, who.groups.size(), who.groups.data()) != 0
        || ::syscall(SYS_setresgid, -1, who.group, -1) != 0 || ::syscall(SYS_setresuid, -1, who.user, -1) != 0)
        ADD_FAILURE() << "could not act as user " << who.user;
}

acting_as::~acting_as()
{
    if (::syscall(SYS_setresuid, -1, 0, -1) != 0 || ::syscall(SYS_setresgid, -1, 0, -1) != 0
        || ::syscall(SYS_setgroups, saved_groups.size(), saved_groups.data()) != 0)
        ADD_FAILURE() << "could not take root's place back";
}

QByteArray path_of(int handle)
{
    char target[PATH_MAX];
    ssize_t const length =
        ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(handle)).constData(), target, sizeof target);
    return length > 0 ? QByteArray(target, int(length)) : QByteArray();
}
