# Installs the build into a scratch prefix, checks that every file a desktop
# needs is in its standard place, and starts the game the way its desktop
# entry says.
set(prefix "${BUILD_DIR}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
    bin/furlox
    share/applications/furlox.desktop
    share/metainfo/org.furlox.Furlox.metainfo.xml
    share/icons/hicolor/256x256/apps/furlox.png
    share/icons/hicolor/64x64/apps/furlox.png)
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(READ "${prefix}/share/applications/furlox.desktop" entry)
if(NOT entry MATCHES "\nIcon=furlox\n")
  message(FATAL_ERROR "the desktop entry does not name the installed icon")
endif()

# Run the entry's Exec line with the installed bin directory on the PATH;
# the game leaves after the splash's first frame.
if(NOT entry MATCHES "\nExec=([^\n]*)\n")
  message(FATAL_ERROR "the desktop entry has no Exec line")
endif()
separate_arguments(command UNIX_COMMAND "${CMAKE_MATCH_1}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env "PATH=${prefix}/bin:$ENV{PATH}" FURLOX_EXIT_AFTER_FIRST_FRAME=1
                        QT_QPA_PLATFORM=offscreen ${command}
                RESULT_VARIABLE started TIMEOUT 60 OUTPUT_QUIET ERROR_QUIET)
if(NOT started EQUAL 0)
  message(FATAL_ERROR "the installed game did not start from its desktop entry: ${started}")
endif()
file(REMOVE_RECURSE "${prefix}")
