# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The copy step puts the default file where none is, and leaves a user's file alone.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(target "${WORK}/prefs.cal")

function(run_copy)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DDESTINATION=${target}
        -P ${SCRIPT} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the copy step failed: ${result}")
    endif()
endfunction()

run_copy()
file(SHA256 "${SOURCE}" shipped)
file(SHA256 "${target}" copied)
if(NOT shipped STREQUAL copied)
    message(FATAL_ERROR "the default prefs.cal was not copied byte for byte")
endif()

file(WRITE "${target}" "11\r\nmine\r\n")
file(READ "${target}" before HEX)
run_copy()
file(READ "${target}" after HEX)
if(NOT after STREQUAL before)
    message(FATAL_ERROR "an existing prefs.cal was overwritten")
endif()
