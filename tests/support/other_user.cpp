#include "other_user.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <climits>

bool may_act_as_others()
{
    return ::geteuid() == 0;
}

// The child calls the system directly: after a fork in a process with
// threads, the C library's own identity changes may wait for threads that
// are gone.
bool may_read(other_user const& who, QByteArray const& path)
{
    pid_t const child = ::fork();
    if (child == 0) {
        if (::syscall(SYS_setgroups, who.groups.size(), who.groups.data()) != 0
            || ::syscall(SYS_setresgid, who.group, who.group, who.group) != 0
            || ::syscall(SYS_setresuid, who.user, who.user, who.user) != 0)
            ::_exit(2);
        ::_exit(::open(path.constData(), O_RDONLY) >= 0 ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        ADD_FAILURE() << "the child that tries to read " << path.constData() << " did not end";
        return false;
    }
    if (WEXITSTATUS(status) == 2)
        ADD_FAILURE() << "could not become user " << who.user;
    return WEXITSTATUS(status) == 0;
}

QByteArray path_of(int handle)
{
    char target[PATH_MAX];
    ssize_t const length =
        ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(handle)).constData(), target, sizeof target);
    return length > 0 ? QByteArray(target, int(length)) : QByteArray();
}
