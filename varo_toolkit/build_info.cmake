# The build information source is written by a step that runs at every build;
# it changes only when the commits, the version or the uncommitted changes
# do, so an unchanged build stays without work (write_build_info.cmake).
find_package(Git QUIET)

set(varo_build_info_source ${CMAKE_CURRENT_BINARY_DIR}/build_info.cpp)
add_custom_target(varo_build_info
    COMMAND ${CMAKE_COMMAND}
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DTOOLKIT_DIR=${CMAKE_CURRENT_SOURCE_DIR}
        -DVERSION=${PROJECT_VERSION}
        -DGIT_EXECUTABLE=${GIT_EXECUTABLE}
        -DOUTPUT=${varo_build_info_source}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/write_build_info.cmake
    BYPRODUCTS ${varo_build_info_source}
    COMMENT "Build information"
    VERBATIM)
target_sources(varo_toolkit PRIVATE ${varo_build_info_source})
add_dependencies(varo_toolkit varo_build_info)
