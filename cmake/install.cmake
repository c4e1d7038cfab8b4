# Installation of the program and its desktop integration.
include(GNUInstallDirs)
install(TARGETS vestor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
