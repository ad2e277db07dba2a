#include "varo/git_version.h"

#include "varo/build_info.h"

#include <sstream>

std::map<std::string, std::string> const git_version::_versions = {
    {"application", VARO_APPLICATION_COMMIT},
    {"varo_infrastructure", "b8923e1"},
    {"varo_toolkit", "40b674c"},
};

std::string git_version::version()
{
    return VARO_APPLICATION_COMMIT;
}

std::map<std::string, std::string> git_version::versions()
{
    return _versions;
}

std::string git_version::versions_formatted()
{
    std::ostringstream text;
    for (auto const& [component, commit] : _versions)
        text << "Component: " << component << "\tVersion: " << commit << std::endl;
    return text.str();
}
