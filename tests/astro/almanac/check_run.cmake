# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# What every almanac run is checked for: its exit code against EXPECTED_RC and, when given,
# a fragment of its error text against EXPECTED_STDERR.
function(check_almanac_run status errors)
    if(NOT status STREQUAL "${EXPECTED_RC}")
        message(FATAL_ERROR "exit code ${status}, expected ${EXPECTED_RC}\nstderr:\n${errors}")
    endif()
    if(DEFINED EXPECTED_STDERR)
        string(FIND "${errors}" "${EXPECTED_STDERR}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "stderr lacks \"${EXPECTED_STDERR}\":\n${errors}")
        endif()
    endif()
endfunction()
