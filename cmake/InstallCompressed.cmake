# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Files installed gzip-compressed, as Debian keeps manual pages and changelogs. They are
# compressed at build time; gzip -n leaves out the time stamp, so the output is the same at
# every build.
#   solvane_install_compressed(SOURCE destination-folder)
#   solvane_install_man_pages(page...)   (name.section beside the calling CMakeLists.txt)
find_program(SOLVANE_GZIP gzip REQUIRED)
add_custom_target(compressed-files ALL)

function(solvane_install_compressed source destination)
    get_filename_component(name "${source}" NAME)
    string(MD5 folder "${destination}")
    set(output "${CMAKE_CURRENT_BINARY_DIR}/compressed/${folder}/${name}.gz")
    add_custom_command(OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/compressed/${folder}"
        COMMAND ${SOLVANE_GZIP} -9 -n -c "${source}" > "${output}"
        DEPENDS "${source}"
        COMMENT "Compressing ${name}")
    install(FILES "${output}" DESTINATION "${destination}")
    string(MD5 target_suffix "${output}")
    add_custom_target(compressed-${target_suffix} DEPENDS "${output}")
    add_dependencies(compressed-files compressed-${target_suffix})
endfunction()

function(solvane_install_man_pages)
    foreach(page IN LISTS ARGN)
        string(REGEX MATCH "[0-9]$" section "${page}")
        solvane_install_compressed("${CMAKE_CURRENT_SOURCE_DIR}/${page}"
            "${CMAKE_INSTALL_MANDIR}/man${section}")
    endforeach()
endfunction()
