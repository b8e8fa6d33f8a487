# SPDX-FileCopyrightText: 2026 The Solvane developers
# SPDX-License-Identifier: MIT
#
# The Debian package: from a release build,
#   cd build && cpack -G DEB        (writes solvane_<version>_<arch>.deb)
# The install rules run with DESTDIR into a staging folder and the prefix /usr, so the desktop
# entry names /usr/bin/solvane and the bin/ link stays relative. Dependencies come from
# dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME solvane)
set(CPACK_PACKAGE_VENDOR "The Solvane developers")
set(CPACK_PACKAGE_CONTACT "The Solvane developers <solvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "year calendar with sunrise, sunset and the moon's phase")
set(CPACK_PACKAGE_DESCRIPTION
    "Solvane shows a whole year at a glance: twelve month calendars in three\n\
rows of four, with a tool strip that shows today's sunrise and sunset for\n\
your place and a picture of the moon's phase. The package also holds\n\
solvane-almanac, which prints the same astronomy for dates and a place on\n\
the command line.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://solvane.example.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The scalable window icon between the drawn sizes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libqt6svg6)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
