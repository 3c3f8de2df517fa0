# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged files before it packs them. CPack creates the
# staging directories under the builder's umask, so a umask of 027 or 077
# would put directories nobody else can read into the package: make every
# directory 755 (and leave files readable by all, executable as installed).
execute_process(COMMAND chmod -R u+rwX,go+rX,go-w "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "could not set the staged files' modes (${result})")
endif()
