# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# solvane_add_qt_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One Qt Test executable per unit, run on the offscreen platform with an English
# locale so that month names and number formats are the same on every machine.
#
# Most of a test's compile time goes into Qt's widget headers, parsed again for each of about
# a hundred test programs. With SOLVANE_PCH they are parsed once, into one precompiled header
# shared by every test that links the widgets. It holds no QtTest header: QtTest reads
# QT_TESTCASE_BUILDDIR, which differs from folder to folder. A test whose flags differ from the
# shared header's falls back to the headers themselves, so the switch only changes build time.
option(SOLVANE_PCH "Share one precompiled header of Qt's widget headers among the tests" OFF)
if(SOLVANE_PCH)
    add_library(solvane_test_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/empty.cpp)
    target_link_libraries(solvane_test_pch PRIVATE Qt6::Widgets)
    target_precompile_headers(solvane_test_pch PRIVATE <QtWidgets>)
endif()

# Whether target links Qt6::Widgets, directly or through our libraries.
function(solvane_links_widgets target out)
    set(${out} FALSE PARENT_SCOPE)
    set(pending ${target})
    set(seen)
    while(pending)
        list(POP_FRONT pending current)
        if(current STREQUAL "Qt6::Widgets")
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(imported ${current} IMPORTED)
        if(imported)
            continue()
        endif()
        get_target_property(direct ${current} LINK_LIBRARIES)
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(dependency IN LISTS direct interface)
            if(dependency AND NOT dependency MATCHES "NOTFOUND$|^\\$<")
                list(APPEND pending ${dependency})
            endif()
        endforeach()
    endwhile()
endfunction()

function(solvane_add_qt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    qt_add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    # A test is one file and its generated moc: nothing to gain from a unity build, and an
    # anonymous type of the test would leak into the moc's file.
    set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
    if(SOLVANE_PCH)
        solvane_links_widgets(${name} widgets)
        if(widgets)
            target_precompile_headers(${name} REUSE_FROM solvane_test_pch)
            target_compile_options(${name} PRIVATE -Winvalid-pch -Wno-error=invalid-pch)
        endif()
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=UTC"
        TIMEOUT 120)
endfunction()
