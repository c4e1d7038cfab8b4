# The Debian package for classroom machines (`make package`): CPack's DEB generator packs what the
# install rules install, under /usr. Its texts come from the files that already say them: the
# summary and the homepage from the AppStream metainfo, the description from the README's first
# paragraph, the version from project().
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/${VESTOR_APP_ID}.metainfo.xml
             ${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_SOURCE_DIR}/packaging/vestor.1.in)
file(READ ${PROJECT_SOURCE_DIR}/packaging/${VESTOR_APP_ID}.metainfo.xml vestor_metainfo)
string(REGEX MATCH "<summary>([^<]*)</summary>" _ "${vestor_metainfo}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_MATCH_1}")
string(REGEX MATCH "<url type=\"homepage\">([^<]*)</url>" _ "${vestor_metainfo}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${CMAKE_MATCH_1}")
string(REGEX MATCH "<release version=\"[^\"]*\" date=\"([^\"]*)\"" _ "${vestor_metainfo}")
set(vestor_release_date "${CMAKE_MATCH_1}")

# The README's first paragraph of prose (past the title and the commands), without its Markdown
# emphasis, wrapped to the 72 columns Debian's tools show.
file(STRINGS ${PROJECT_SOURCE_DIR}/README.md vestor_readme ENCODING UTF-8)
set(vestor_words "")
set(vestor_in_code OFF)
foreach(line IN LISTS vestor_readme)
  if(line MATCHES "^```")
    if(vestor_in_code)
      set(vestor_in_code OFF)
    else()
      set(vestor_in_code ON)
    endif()
  elseif(vestor_in_code OR line MATCHES "^#")
  elseif(line STREQUAL "")
    if(vestor_words)
      break()
    endif()
  else()
    string(APPEND vestor_words " ${line}")
  endif()
endforeach()
string(REPLACE "**" "" vestor_words "${vestor_words}")
string(REGEX REPLACE "[ ]+" ";" vestor_words "${vestor_words}")
set(vestor_description "")
set(vestor_line "")
foreach(word IN LISTS vestor_words)
  string(LENGTH "${vestor_line} ${word}" length)
  if(vestor_line AND length GREATER 72)
    string(APPEND vestor_description "${vestor_line}\n")
    set(vestor_line "${word}")
  elseif(vestor_line)
    string(APPEND vestor_line " ${word}")
  else()
    set(vestor_line "${word}")
  endif()
endforeach()
string(APPEND vestor_description "${vestor_line}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${vestor_description}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vestor)
set(CPACK_PACKAGE_VENDOR "The Vestor developers")
# Override with -DVESTOR_PACKAGE_MAINTAINER="Name <address>" when a school builds its own.
set(VESTOR_PACKAGE_MAINTAINER "The Vestor developers <vestor@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${VESTOR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Depends comes from the libraries the program links: Qt's widgets, printing and SVG among them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translation of its file, print and message dialogs, for every language the program
# speaks besides English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Folders made along the way get 755, whatever the umask of the machine that builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_GENERATOR "")
# cpack packs the program as built; it does not build the tests and tools first, which the package
# leaves out (`make package` builds the program, and the tests pack an already built tree).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Debian wants a manual page for every program and the copyright notice and the changelog beside
# every package's documentation, compressed the way its own tools do (gzip -9n: no name, no time
# stamp).
set(vestor_doc ${PROJECT_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${vestor_doc})
execute_process(COMMAND date -u -R -d "${vestor_release_date} 12:00"
                OUTPUT_VARIABLE vestor_release_time OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${vestor_doc}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vestor.1.in ${vestor_doc}/vestor.1 @ONLY)
execute_process(COMMAND gzip -9nf changelog vestor.1 WORKING_DIRECTORY ${vestor_doc})
install(FILES ${vestor_doc}/vestor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${vestor_doc}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vestor)

include(CPack)
