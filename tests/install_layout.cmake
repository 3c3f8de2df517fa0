# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix, checks that every file a desktop
# and Debian need is in its standard place, and starts the game the way its
# desktop entry says.
load_cache("${BUILD_DIR}" READ_WITH_PREFIX "" FURLOX_INSTALL_GAMESDIR)
set(prefix "${BUILD_DIR}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
    ${FURLOX_INSTALL_GAMESDIR}/furlox
    share/applications/furlox.desktop
    share/metainfo/org.furlox.furlox.metainfo.xml
    share/icons/hicolor/256x256/apps/furlox.png
    share/icons/hicolor/64x64/apps/furlox.png
    share/man/man6/furlox.6.gz
    share/doc/furlox/copyright
    share/doc/furlox/changelog.gz)
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(READ "${prefix}/share/applications/furlox.desktop" entry)
if(NOT entry MATCHES "\nIcon=furlox\n")
  message(FATAL_ERROR "the desktop entry does not name the installed icon")
endif()
# Both say what the game is in every language it speaks.
file(READ "${prefix}/share/metainfo/org.furlox.furlox.metainfo.xml" metainfo)
foreach(lang IN LISTS LANGUAGES)
  foreach(key GenericName Comment Keywords)
    if(NOT entry MATCHES "\n${key}\\[${lang}\\]=[^\n]+\n")
      message(FATAL_ERROR "the desktop entry has no ${key}[${lang}]")
    endif()
  endforeach()
  if(NOT metainfo MATCHES "<summary xml:lang=\"${lang}\">" OR NOT metainfo MATCHES "<p xml:lang=\"${lang}\">")
    message(FATAL_ERROR "the metainfo has no summary or description in ${lang}")
  endif()
endforeach()

# The entry names the installed game by its absolute path, so that it starts
# whether or not the games directory is on the PATH.
if(NOT entry MATCHES "\nExec=([^\n]*)\n")
  message(FATAL_ERROR "the desktop entry has no Exec line")
endif()
set(exec "${CMAKE_MATCH_1}")
if(NOT exec STREQUAL "${prefix}/${FURLOX_INSTALL_GAMESDIR}/furlox")
  message(FATAL_ERROR "the desktop entry does not start the installed game: Exec=${exec}")
endif()

# Run the Exec line with no display. A game that is still running after
# three seconds has started (timeout stops it and exits with 124); one that
# exits or crashes before then has not.
separate_arguments(command UNIX_COMMAND "${exec}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen timeout 3 ${command}
                RESULT_VARIABLE started OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT started EQUAL 124)
  message(FATAL_ERROR "the installed game did not keep running after starting from its desktop entry "
                      "(exit status ${started}):\n${output}")
endif()
file(REMOVE_RECURSE "${prefix}")
