# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Runs the almanac with TZDIR pointing at a copy of part of the zone folder in which one file
# is a FIFO that nobody writes to: the almanac must neither wait for a writer nor read it,
# and must give the same lines as with the real folder where the FIFO replaced something
# it can do without.
#   cmake -DTOOL=path -DZONEINFO=/usr/share/zoneinfo -DWORK=folder -DFIFO=zone1970.tab
#         -DARGS="a::b" -DEXPECTED_RC=0 [-DTZ=value] [-DSAME_AS_REAL=ON]
#         [-DEXPECTED_STDERR=text] -P fifo_case.cmake
include(${CMAKE_CURRENT_LIST_DIR}/check_run.cmake)
string(REPLACE "::" ";" arguments "${ARGS}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/America")
foreach(name zone.tab zone1970.tab America/New_York posixrules)
    if(EXISTS "${ZONEINFO}/${name}" AND NOT name STREQUAL FIFO)
        file(COPY_FILE "${ZONEINFO}/${name}" "${WORK}/${name}")
    endif()
endforeach()
execute_process(COMMAND mkfifo "${WORK}/${FIFO}" RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "cannot make a FIFO in ${WORK}")
endif()

set(environment "TZDIR=${WORK}")
if(DEFINED TZ)
    list(APPEND environment "TZ=${TZ}")
endif()
# Far longer than the almanac ever needs: a run that reaches it waits on the FIFO.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} "${TOOL}" ${arguments}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
check_almanac_run("${status}" "${errors}")
if(SAME_AS_REAL)
    set(environment "TZDIR=${ZONEINFO}")
    if(DEFINED TZ)
        list(APPEND environment "TZ=${TZ}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} "${TOOL}" ${arguments}
        OUTPUT_VARIABLE expected RESULT_VARIABLE status TIMEOUT 60)
    if(NOT output STREQUAL expected)
        message(FATAL_ERROR "output differs from the real zone folder's\n--- got:\n${output}"
                            "--- expected:\n${expected}")
    endif()
endif()
file(REMOVE_RECURSE "${WORK}")
