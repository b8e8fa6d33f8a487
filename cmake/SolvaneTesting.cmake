# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# solvane_add_qt_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One Qt Test executable per unit, run on the offscreen platform with an English
# locale so that month names and number formats are the same on every machine.
function(solvane_add_qt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    qt_add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=UTC"
        TIMEOUT 120)
endfunction()
