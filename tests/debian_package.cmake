# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, as `cpack` does there but
# into a scratch directory, and has lintian check it: any error or warning
# fails. lintian's notice about running as root goes to standard error and
# does not change its exit status, so it cannot fail the test.
set(out "${BUILD_DIR}/package-check")
file(REMOVE_RECURSE "${out}")
execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${out}"
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed (${result}):\n${log}")
endif()
# cpack names the package it wrote ("CPack: - package: PATH generated.").
if(NOT log MATCHES "package: ([^\n]*\\.deb) generated")
  message(FATAL_ERROR "cpack named no package:\n${log}")
endif()
set(debs "${CMAKE_MATCH_1}")

# dpkg-shlibdeps finds the libraries (without it, Depends would hold the
# fonts alone); the fonts the game reads from their files are named by hand
# and must stay.
execute_process(COMMAND dpkg-deb --field "${debs}" Depends
                RESULT_VARIABLE result OUTPUT_VARIABLE depends)
foreach(package libc6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-wine fonts-dejavu-extra)
  if(NOT depends MATCHES "(^|, )${package}( |,|\n)")
    message(FATAL_ERROR "the package does not depend on ${package}: ${depends}")
  endif()
endforeach()

execute_process(COMMAND "${LINTIAN}" --fail-on error,warning --display-info --pedantic "${debs}"
                RESULT_VARIABLE result OUTPUT_VARIABLE tags ERROR_VARIABLE errors)
message("lintian ${debs}:\n${tags}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian failed (${result}):\n${errors}")
endif()
file(REMOVE_RECURSE "${out}")
