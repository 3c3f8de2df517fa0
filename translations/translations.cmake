# SPDX-License-Identifier: GPL-3.0-or-later
# The game's languages. translations/LINGUAS names them, one code a line;
# each has furlox_LL.ts (Qt Linguist: the game's texts) and LL.po (gettext:
# the desktop entry and the AppStream metainfo). lrelease compiles the .ts
# files, and rcc builds the results into the program under :/i18n, so the
# game reads no file of its own. Included by the top-level CMakeLists.txt
# once furlox_screens exists.
find_program(FURLOX_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED)
find_program(FURLOX_LUPDATE lupdate HINTS /usr/lib/qt6/bin)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/LINGUAS)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/LINGUAS FURLOX_LANGUAGES REGEX "^[a-z][a-z_A-Z]*$")

set(out ${CMAKE_CURRENT_BINARY_DIR}/translations)
set(qm_files)
set(ts_files)
set(entries)
foreach(lang IN LISTS FURLOX_LANGUAGES)
  set(ts ${CMAKE_CURRENT_LIST_DIR}/furlox_${lang}.ts)
  add_custom_command(OUTPUT ${out}/furlox_${lang}.qm
    COMMAND ${FURLOX_LRELEASE} -silent -nounfinished ${ts} -qm ${out}/furlox_${lang}.qm
    DEPENDS ${ts} VERBATIM)
  list(APPEND ts_files ${ts})
  list(APPEND qm_files ${out}/furlox_${lang}.qm)
  string(APPEND entries "    <file>furlox_${lang}.qm</file>\n")
endforeach()
file(CONFIGURE OUTPUT ${out}/translations.qrc
     CONTENT "<RCC>\n  <qresource prefix=\"/i18n\">\n${entries}  </qresource>\n</RCC>\n")
# Uncompressed: the game finds its texts in place, with nothing to unpack at start-up.
add_custom_command(OUTPUT ${out}/qrc_translations.cpp
  COMMAND Qt6::rcc --name translations --no-compress --output ${out}/qrc_translations.cpp ${out}/translations.qrc
  DEPENDS ${out}/translations.qrc ${qm_files} VERBATIM)
set_source_files_properties(${out}/qrc_translations.cpp PROPERTIES SKIP_AUTOGEN ON)
target_sources(furlox_screens PRIVATE ${out}/qrc_translations.cpp)

# `cmake --build build --target update_translations` brings every .ts file
# up to date with the texts in the code, and makes the file of a language
# just added to LINGUAS. FURLOX_TEXT is the rules' marker (core/game_text.h).
# The desktop entry's and the metainfo's texts go to translations/furlox.pot,
# and from there into each LL.po (a new one is made from the template).
find_program(FURLOX_XGETTEXT xgettext)
find_program(FURLOX_MSGMERGE msgmerge)
if(FURLOX_LUPDATE AND FURLOX_XGETTEXT AND FURLOX_MSGMERGE)
  set(pot translations/furlox.pot)
  set(po_updates)
  foreach(lang IN LISTS FURLOX_LANGUAGES)
    list(APPEND po_updates COMMAND sh -c "test -f translations/${lang}.po || msginit --no-translator -l ${lang} -i ${pot} -o translations/${lang}.po"
                           COMMAND ${FURLOX_MSGMERGE} --quiet --update --backup=none translations/${lang}.po ${pot})
  endforeach()
  add_custom_target(update_translations
    COMMAND ${FURLOX_LUPDATE} -silent -locations none -no-obsolete
            -tr-function-alias QT_TRANSLATE_NOOP+=FURLOX_TEXT
            -I . -extensions cpp,h core screens setup betting race computer options -ts ${ts_files}
    COMMAND ${FURLOX_XGETTEXT} --from-code=UTF-8 --omit-header -L Desktop -k -kGenericName -kComment -kKeywords
            -o ${pot} packaging/furlox.desktop.in
    COMMAND ${FURLOX_XGETTEXT} --from-code=UTF-8 --omit-header --its=packaging/its/metainfo.its -j
            -o ${pot} packaging/org.furlox.furlox.metainfo.xml
    ${po_updates}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating translations/ from the code, the desktop entry and the metainfo"
    VERBATIM)
endif()
