#include "mode_watch.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace {

bool watching = false;
int refused_with = 0;
std::vector<open_file_state> states;

void see(int handle)
{
    struct stat now {};
    if (watching && ::fstat(handle, &now) == 0)
        states.push_back(open_file_state{mode_t(now.st_mode & 07777), now.st_size});
}

}

// These take the place of the C library's functions for the whole test
// program, so the code under test calls them unchanged.
extern "C" int fchmod(int handle, mode_t mode)
{
    see(handle);
    if (watching && refused_with != 0) {
        errno = refused_with;
        return -1;
    }
    return int(::syscall(SYS_fchmod, handle, mode));
}

extern "C" int fsync(int handle)
{
    see(handle);
    return int(::syscall(SYS_fsync, handle));
}

mode_watch::mode_watch(int refusal)
{
    states.clear();
    refused_with = refusal;
    watching = true;
}

mode_watch::~mode_watch()
{
    watching = false;
    refused_with = 0;
}

std::vector<open_file_state> const& mode_watch::seen() const
{
    return states;
}
