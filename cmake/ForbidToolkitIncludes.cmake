# SPDX-License-Identifier: MIT
# varnik_forbid_toolkit_includes(target): the target's sources must stay plain C++. Before the
# target builds, its sources are searched for a Qt or Windows header; one found fails the build.
set(VARNIK_INCLUDE_CHECK ${CMAKE_CURRENT_LIST_DIR}/check_plain_includes.cmake)

function(varnik_forbid_toolkit_includes target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    list(TRANSFORM sources PREPEND ${source_dir}/)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_plain_includes.stamp)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} "-DFILES=${sources}" -DSTAMP=${stamp} -P ${VARNIK_INCLUDE_CHECK}
        DEPENDS ${sources} ${VARNIK_INCLUDE_CHECK}
        COMMENT "Checking that ${target} includes no toolkit header"
        VERBATIM)
    add_custom_target(${target}_plain_includes DEPENDS ${stamp})
    add_dependencies(${target} ${target}_plain_includes)
endfunction()
