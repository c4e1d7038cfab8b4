# The program's translations: translations/vestor_<lang>.ts, compiled by lrelease into .qm files
# embedded in vestorui under :/i18n, and the student's guide in each language,
# translations/guide_<lang>.md, embedded under :/help. `cmake --build build --target translations` (`make
# translations`) refreshes the .ts files from the sources with lupdate. Both tools come with
# Debian's qt6-l10n-tools; Qt's CMake functions for them would need the much larger
# qt6-tools-dev, so they are run here directly.
set(VESTOR_LANGUAGES de fr es it nl pl pt_BR)

find_program(VESTOR_LRELEASE lrelease HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED)
find_program(VESTOR_LUPDATE lupdate HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED)

set(ts_files)
set(qm_files)
set(guide_files)
foreach(lang ${VESTOR_LANGUAGES})
  set(ts ${PROJECT_SOURCE_DIR}/translations/vestor_${lang}.ts)
  set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/vestor_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
    COMMAND ${VESTOR_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling translation ${lang}"
    VERBATIM)
  list(APPEND ts_files ${ts})
  list(APPEND qm_files ${qm})
  list(APPEND guide_files translations/guide_${lang}.md)
endforeach()

qt_add_resources(vestorui vestor_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${qm_files})
qt_add_resources(vestorui vestor_guides PREFIX /help BASE translations FILES ${guide_files})

# Strings are only ever added or changed in src/; the locations are left out of the .ts files so
# that moving code does not rewrite them.
add_custom_target(translations
  COMMAND ${VESTOR_LUPDATE} -silent -no-obsolete -locations none ${PROJECT_SOURCE_DIR}/src -ts ${ts_files}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Refreshing the translations from the sources"
  VERBATIM)
