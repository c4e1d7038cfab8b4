# The program built for a web browser (scripts/web/build). A page in a browser has no folder of
# Qt's own translations to load, so the ones of the program's languages go inside the program,
# with a qt.conf in its resources that points Qt at them.
set(VESTOR_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Where Qt's own qtbase_*.qm files are")
set(qt_qm_files)
foreach(lang ${VESTOR_LANGUAGES})
  if(EXISTS ${VESTOR_QT_TRANSLATIONS}/qtbase_${lang}.qm)
    list(APPEND qt_qm_files ${VESTOR_QT_TRANSLATIONS}/qtbase_${lang}.qm)
  else()
    message(STATUS "No qtbase_${lang}.qm: Qt's dialogs stay English in ${lang}")
  endif()
endforeach()
qt_add_resources(vestor qt_translations PREFIX /qt/translations BASE ${VESTOR_QT_TRANSLATIONS} FILES ${qt_qm_files})
qt_add_resources(vestor qt_conf PREFIX /qt/etc BASE ${PROJECT_SOURCE_DIR}/packaging/web
  FILES ${PROJECT_SOURCE_DIR}/packaging/web/qt.conf)
