# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it builds a package. Without dpkg-shlibdeps, CPack
# still writes a Debian package, with only the fonts in Depends: no Qt and no
# C library, so it installs and then cannot start. Stop instead, and say what
# to install (CPack's own complaint about a missing `file` is no clearer).
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(FURLOX_DPKG_SHLIBDEPS dpkg-shlibdeps)
  find_program(FURLOX_FILE file)
  if(NOT FURLOX_DPKG_SHLIBDEPS OR NOT FURLOX_FILE)
    message(FATAL_ERROR
      "The Debian package needs dpkg-shlibdeps (from dpkg-dev) and file to list "
      "the libraries the game runs with, and one or both are missing. Install "
      "them (sudo apt install dpkg-dev file), or build the package with "
      "scripts/package.sh, which installs them.")
  endif()
endif()
