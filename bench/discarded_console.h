#pragma once

// Points standard output and standard error at /dev/null while it lives, so
// that the log lines cost what writing them costs and the terminal stays out
// of the figures; the benchmark's own report goes out after it is gone.
class discarded_console {
public:
    discarded_console();
    ~discarded_console();

    discarded_console(discarded_console const&) = delete;
    discarded_console& operator=(discarded_console const&) = delete;

private:
    int saved_out;
    int saved_err;
};
