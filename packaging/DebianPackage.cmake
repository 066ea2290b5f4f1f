# SPDX-License-Identifier: MIT
# The Debian package, made by CPack from the install rules above:
# kelvory_<version>_<arch>.deb. Its dependencies come from the shared libraries
# the executables link (dpkg-shlibdeps), plus the fonts the game draws with. Qt
# loads its Wayland platform plugin at run time, so no library dependency names
# it: without it a Wayland session runs the game through XWayland, blurred on
# fractional scales.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvory)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelvory developers")
set(CPACK_PACKAGE_CONTACT "The Kelvory developers <kelvory@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-reel slot machine played with pretend credits")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvory is a three-reel slot machine for the desktop. Bet one or two\n\
credits, spin the reels and collect from an eight-row pay table while the\n\
win counts into the credit meter. Four-leaf clovers are wild and multiply\n\
the win on the payline.\n\
.\n\
It offers auto-spin, four spin speeds, borrowing and paying back credits,\n\
eight saved games, six sound effects and a help text. No real money is\n\
involved and the game never connects to the network.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/kelvory/kelvory)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Control files with the permission bits Debian policy gives them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
