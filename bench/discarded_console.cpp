#include "discarded_console.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

discarded_console::discarded_console() : saved_out(dup(STDOUT_FILENO)), saved_err(dup(STDERR_FILENO))
{
    std::cout.flush();
    std::fflush(nullptr);
    int const null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    close(null);
}

discarded_console::~discarded_console()
{
    std::cout.flush();
    std::fflush(nullptr);
    dup2(saved_out, STDOUT_FILENO);
    dup2(saved_err, STDERR_FILENO);
    close(saved_out);
    close(saved_err);
}
