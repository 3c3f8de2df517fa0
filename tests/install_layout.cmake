# Installs the build into a scratch prefix and checks that every file a
# desktop needs is in its standard place.
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
if(NOT entry MATCHES "\nExec=furlox\n" OR NOT entry MATCHES "\nIcon=furlox\n")
  message(FATAL_ERROR "the desktop entry does not start the installed game")
endif()
file(REMOVE_RECURSE "${prefix}")
