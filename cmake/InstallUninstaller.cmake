# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# Installs scripts/uninstall.sh as share/solvane/uninstall.sh together with the list of
# every file the install wrote (share/solvane/installed-files.txt), so that the program can
# be removed once the build folder is gone. Include it after every other install rule.
# A DESTDIR install stages files for a package, whose own manager removes them: it gets
# neither file.
include(GNUInstallDirs)
set(SOLVANE_UNINSTALL_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/../scripts/uninstall.sh")

install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
        set(own \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/solvane\")
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${own}/uninstall.sh\" \"\${own}/installed-files.txt\")
        message(STATUS \"Installing: \${own}/uninstall.sh\")
        file(INSTALL \"${SOLVANE_UNINSTALL_SCRIPT}\" DESTINATION \"\${own}\"
            FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                             WORLD_READ WORLD_EXECUTE)
        list(REMOVE_DUPLICATES CMAKE_INSTALL_MANIFEST_FILES)
        list(JOIN CMAKE_INSTALL_MANIFEST_FILES \"\\n\" files)
        message(STATUS \"Installing: \${own}/installed-files.txt\")
        file(WRITE \"\${own}/installed-files.txt\" \"\${files}\\n\")
    endif()
")
