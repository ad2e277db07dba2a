#pragma once

#include <sys/types.h>

#include <vector>

// What an open file held when its mode was about to change or it was synced.
struct open_file_state {
    mode_t mode;
    off_t size;
};

// While it lives, sees every fchmod and fsync of this process before they
// run, and makes fchmod fail with `refusal` when that is not 0, as a file
// system does that holds no modes of its own.
class mode_watch {
public:
    explicit mode_watch(int refusal = 0);
    ~mode_watch();

    mode_watch(mode_watch const&) = delete;
    mode_watch& operator=(mode_watch const&) = delete;

    std::vector<open_file_state> const& seen() const;
};
