#include "varo/git_version.h"

#include "varo/build_info.h"

#include <sstream>

// Both toolkit components are built from the toolkit's one folder.
std::map<std::string, std::string> const git_version::_versions = {
    {"application", varo::build_info::application_commit},
    {"varo_infrastructure", varo::build_info::toolkit_commit},
    {"varo_toolkit", varo::build_info::toolkit_commit},
};

std::string git_version::version()
{
    return varo::build_info::application_commit;
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
