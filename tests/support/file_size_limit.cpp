#include "file_size_limit.h"

file_size_limit::file_size_limit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &saved);
    // Without this the kernel ends the process instead of failing the write.
    saved_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

file_size_limit::~file_size_limit()
{
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, saved_handler);
}
