# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# solvane_default_prefs(target)
# After every build of `target`, puts the default "prefs.cal" beside its executable when
# there is none yet. An existing file holds the user's settings and is never replaced.
set(SOLVANE_DEFAULT_PREFS_FILE ${CMAKE_CURRENT_LIST_DIR}/../prefs/default-prefs.cal)
set(SOLVANE_COPY_IF_ABSENT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CopyIfAbsent.cmake)

function(solvane_default_prefs target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND}
            -DSOURCE=${SOLVANE_DEFAULT_PREFS_FILE}
            -DDESTINATION=$<TARGET_FILE_DIR:${target}>/prefs.cal
            -P ${SOLVANE_COPY_IF_ABSENT_SCRIPT}
        COMMENT "Default prefs.cal beside ${target} (kept when present)"
        VERBATIM)
endfunction()
