# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# cmake -DSOURCE=<file> -DDESTINATION=<file> -P CopyIfAbsent.cmake
# Copies SOURCE to DESTINATION only when nothing is at DESTINATION yet.
if(NOT DEFINED SOURCE OR NOT DEFINED DESTINATION)
    message(FATAL_ERROR "CopyIfAbsent.cmake needs -DSOURCE=... and -DDESTINATION=...")
endif()
if(NOT EXISTS "${DESTINATION}" AND NOT IS_SYMLINK "${DESTINATION}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
