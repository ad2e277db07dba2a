#pragma once

#include <sys/resource.h>

#include <csignal>

// Makes every file write of this process that would pass `bytes` fail, as
// on a full disk, for the lifetime of the limit.
class file_size_limit {
public:
    explicit file_size_limit(rlim_t bytes);
    ~file_size_limit();

    file_size_limit(file_size_limit const&) = delete;
    file_size_limit& operator=(file_size_limit const&) = delete;

private:
    rlimit saved;
    void (*saved_handler)(int);
};
