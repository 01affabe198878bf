# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes kwintor_<version>-1_<arch>.deb.
set(CPACK_PACKAGE_NAME kwintor)
set(CPACK_PACKAGE_CONTACT "Kwintor maintainers <maintainers@users.noreply.c-seed-49fd88e6.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic puzzle: put the missing operators into the equation")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library names them: libcanberra's sound-server
# driver, and Qt's platform plugins, without which no window opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra-pulse, qt6-qpa-plugins")
# The faces that stand in for the game's "Times New Roman" and "MS Sans
# Serif", and native windows on Wayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")
include(CPack)
