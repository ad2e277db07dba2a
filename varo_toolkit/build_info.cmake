# The application's commit is taken when the build is configured; outside a
# checkout (or before the first commit) it is "unknown".
find_package(Git QUIET)

function(varo_git output)
    execute_process(COMMAND ${GIT_EXECUTABLE} ${ARGN}
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE text
                    RESULT_VARIABLE result
                    OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET)
    if(NOT result EQUAL 0)
        set(text "")
    endif()
    set(${output} "${text}" PARENT_SCOPE)
endfunction()

# A new commit or a switch of branch configures again, so the hash never goes stale.
function(varo_configure_depends_on_git_path ref)
    varo_git(file rev-parse --path-format=absolute --git-path ${ref})
    if(file AND EXISTS ${file})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    endif()
endfunction()

set(varo_application_commit "unknown")
if(GIT_FOUND)
    varo_git(varo_git_head rev-parse --short=7 HEAD)
    if(varo_git_head)
        set(varo_application_commit ${varo_git_head})
    endif()
    varo_configure_depends_on_git_path(HEAD)
    varo_git(varo_git_branch rev-parse --symbolic-full-name HEAD)
    if(varo_git_branch)
        varo_configure_depends_on_git_path(${varo_git_branch})
    endif()
endif()

file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/generated/varo/build_info.h
     CONTENT "#pragma once\n\n#define VARO_APPLICATION_COMMIT \"@varo_application_commit@\"\n"
     @ONLY)
target_include_directories(varo_toolkit PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
