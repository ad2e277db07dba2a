#pragma once

#include <cstring>
#include <string>

namespace varo {

// The failure text names the source relative to the toolkit folder, so it
// does not depend on where the tree was built.
inline std::string assertion_text(char const* expression, char const* file, int line, char const* function)
{
    char const* relative = std::strstr(file, "varo_toolkit/");
    return std::string("assert \"") + expression + "\" failed at " + (relative ? relative : file) + ":"
           + std::to_string(line) + " in " + function + "\n";
}

}

// Throws a plain std::string rather than an exception class: nothing in the
// toolkit catches it, it only has to reach whoever debugs the crash.
#define VARO_ASSERT(condition)                                                                                         \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            throw varo::assertion_text(#condition, __FILE__, __LINE__, __PRETTY_FUNCTION__);                           \
    } while (false)
