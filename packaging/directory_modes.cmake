# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged files before it packs them. An install creates
# directories as 755 less the builder's umask, so a umask of 027 or 077 would
# put directories nobody else can read into the package: make them all 755.
file(GLOB_RECURSE directories LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS directories)
  if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
    file(CHMOD "${path}" DIRECTORY_PERMISSIONS
         OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
