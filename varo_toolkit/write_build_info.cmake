# Writes the build information source: the commits the program is built
# from, the application version and the build time. Run at every build:
#
#   cmake -DSOURCE_DIR=<checkout> -DTOOLKIT_DIR=<toolkit folder> -DVERSION=<x.y.z>
#         -DGIT_EXECUTABLE=<git> -DOUTPUT=<file> -P write_build_info.cmake
#
# The application's commit is the checkout's HEAD, the toolkit's the last
# commit that changed its folder; outside a checkout of its own (a source
# archive, even one unpacked inside another repository) both are "unknown".
# The file is rewritten, with a new build time, only when the commits, the
# version or the uncommitted changes differ from those it holds, so a build
# that changes nothing compiles and links nothing.

function(git_output output)
    set(text "")
    if(GIT_EXECUTABLE)
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} ${ARGN}
                        OUTPUT_VARIABLE text
                        RESULT_VARIABLE result
                        OUTPUT_STRIP_TRAILING_WHITESPACE
                        ERROR_QUIET)
        if(NOT result EQUAL 0)
            set(text "")
        endif()
    endif()
    set(${output} "${text}" PARENT_SCOPE)
endfunction()

function(or_unknown variable)
    if("${${variable}}" STREQUAL "")
        set(${variable} "unknown" PARENT_SCOPE)
    endif()
endfunction()

set(application_commit "")
set(toolkit_commit "")
set(changes "")
git_output(top_level rev-parse --show-toplevel)
if(top_level)
    file(REAL_PATH ${top_level} top_level)
    file(REAL_PATH ${SOURCE_DIR} source_dir)
    if(top_level STREQUAL source_dir)
        git_output(application_commit rev-parse --short=7 --verify HEAD)
        git_output(toolkit_commit log -1 --no-show-signature --format=%h --abbrev=7 HEAD -- ${TOOLKIT_DIR})
        # Plain git: a user's external diff tool or text conversion filter
        # would run at every build and could change the text.
        git_output(diff diff --no-ext-diff --no-textconv HEAD)
        string(SHA1 changes "${diff}")
    endif()
endif()
or_unknown(application_commit)
or_unknown(toolkit_commit)

set(body "// Made by write_build_info.cmake at build time.
// SHA-1 of the uncommitted changes: ${changes}
#include \"varo/build_info.h\"

namespace varo::build_info {

char const application_commit[] = \"${application_commit}\";
char const toolkit_commit[] = \"${toolkit_commit}\";
char const application_version[] = \"${VERSION}\";
")

set(previous "")
if(EXISTS ${OUTPUT})
    file(READ ${OUTPUT} previous)
endif()
string(FIND "${previous}" "${body}" found)
if(NOT found EQUAL 0)
    # The compiler's own date format, as __DATE__ and __TIME__ give it.
    string(TIMESTAMP month_and_day "%b %d")
    string(REGEX REPLACE " 0([0-9])$" "  \\1" month_and_day "${month_and_day}")
    string(TIMESTAMP year_and_time "%Y %H:%M:%S")
    file(WRITE ${OUTPUT} "${body}char const build_time[] = \"${month_and_day} ${year_and_time}\";\n\n}\n")
endif()
