# Installation of the program and its desktop integration.
include(GNUInstallDirs)
install(TARGETS vestor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The application menu entry and the software-centre description.
set(VESTOR_APP_ID io.github.vestor.Vestor)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vestor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VESTOR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Lesson files (*.vestor) as a type of their own, so that the file manager opens them here.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vestor-lesson.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The icon in the hicolor theme: the drawing itself and pixel versions rendered from it once
# (rsvg-convert -w N -h N vestor.svg -o vestor-N.png).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/vestor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/vestor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vestor.png)
endforeach()

# The Debian package of these files.
include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
