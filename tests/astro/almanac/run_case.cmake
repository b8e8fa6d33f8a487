# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Runs the almanac once and checks its exit code, its output against a saved file and its
# error text against an expected fragment. Whatever it writes on standard error is one line
# of plain text per message: no raw control character, no mention of preferences.
#   cmake -DTOOL=path -DARGS="a::b::c" -DEXPECTED_RC=0 [-DEXPECTED_OUTPUT=file]
#         [-DEXPECTED_STDERR=text] [-DOUTPUT_FILE=/dev/full] -P run_case.cmake
# With SOLVANE_UPDATE_ALMANAC_OUTPUTS=1 in the environment the output is saved instead of
# compared, for a change that means to alter it (then read the difference before keeping it).
# Arguments are separated by "::" because a CMake list cannot pass through add_test intact;
# "<ESC>" in them stands for the escape character.
string(ASCII 27 escape)
include(${CMAKE_CURRENT_LIST_DIR}/check_run.cmake)
string(REPLACE "::" ";" arguments "${ARGS}")
string(REPLACE "<ESC>" "${escape}" arguments "${arguments}")
if(DEFINED OUTPUT_FILE)
    execute_process(COMMAND "${TOOL}" ${arguments}
        OUTPUT_FILE "${OUTPUT_FILE}" ERROR_VARIABLE errors RESULT_VARIABLE status)
else()
    execute_process(COMMAND "${TOOL}" ${arguments}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
endif()
check_almanac_run("${status}" "${errors}")
if(DEFINED EXPECTED_OUTPUT AND "$ENV{SOLVANE_UPDATE_ALMANAC_OUTPUTS}" STREQUAL "1")
    file(WRITE "${EXPECTED_OUTPUT}" "${output}")
elseif(DEFINED EXPECTED_OUTPUT)
    file(READ "${EXPECTED_OUTPUT}" expected)
    if(NOT output STREQUAL expected)
        message(FATAL_ERROR "output differs from ${EXPECTED_OUTPUT}\n--- got:\n${output}"
                            "--- expected:\n${expected}")
    endif()
endif()
string(ASCII 9 tab)
foreach(forbidden "${escape}" "${tab}" "in preferences")
    string(FIND "${errors}" "${forbidden}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "stderr holds \"${forbidden}\":\n${errors}")
    endif()
endforeach()
