#pragma once

#include <map>
#include <string>

// The commits the program was built from, one per component.
class git_version {
public:
    static std::string version();
    static std::map<std::string, std::string> versions();
    static std::string versions_formatted();

private:
    static std::map<std::string, std::string> const _versions;
};
