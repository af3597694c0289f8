# Installation and the Debian package: the program, the launcher that opens it in a project
# folder, the stand-in engine (out of the search path, where it would hide a real engine), the
# desktop entry, the icons, the manual page, the AppStream metadata, the changelog and the
# copyright file. `cmake --install` installs them; `cpack -G DEB` packs the same tree under /usr.
include(GNUInstallDirs)

# The version is read from the program's own version line, so package and program agree.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/app/control_window.cpp version_line
     REGEX "VersionLine\\[\\] = \"Veltrane [0-9.]+\"")
string(REGEX REPLACE ".*\"Veltrane ([0-9.]+)\".*" "\\1" VELTRANE_VERSION "${version_line}")
if(NOT VELTRANE_VERSION MATCHES "^[0-9]+(\\.[0-9]+)*$")
  message(FATAL_ERROR "No version found in the VersionLine of src/app/control_window.cpp")
endif()

set(VELTRANE_APP_ID org.veltrane.veltrane)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(built ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/veltrane.1.in ${built}/veltrane.1 @ONLY)
configure_file(${packaging}/${VELTRANE_APP_ID}.metainfo.xml.in
               ${built}/${VELTRANE_APP_ID}.metainfo.xml @ONLY)

# The changelog's newest entry is the program's version.
file(STRINGS ${packaging}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^veltrane \\(${VELTRANE_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with version ${VELTRANE_VERSION}")
endif()

# Manual pages and the changelog are installed compressed, as Debian keeps them: gzip -9n
# (no name or time stamp inside, so the same page gives the same bytes).
set(compressed)
foreach(page ${built}/veltrane.1 ${packaging}/veltrane-open.1 ${packaging}/changelog)
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${built}/${name}.gz
                     COMMAND gzip -9n -c ${page} > ${built}/${name}.gz
                     DEPENDS ${page} VERBATIM)
  list(APPEND compressed ${built}/${name}.gz)
endforeach()
add_custom_target(compressed_pages ALL DEPENDS ${compressed})
# What the package holds, and nothing else (`make package` builds no test).
add_custom_target(package_contents)
add_dependencies(package_contents veltrane compressed_pages)
if(TARGET tolvex)
  add_dependencies(package_contents tolvex)
endif()
# CPack installs what is built; installing does not build every target first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS veltrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${packaging}/veltrane-open DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tolvex)
  install(TARGETS tolvex RUNTIME DESTINATION lib/veltrane)
endif()
install(FILES ${packaging}/${VELTRANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${VELTRANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${packaging}/icons/veltrane.svg DESTINATION ${icons}/scalable/apps)
foreach(size 48 128)
  install(FILES ${packaging}/icons/veltrane-${size}.png
          DESTINATION ${icons}/${size}x${size}/apps RENAME veltrane.png)
endforeach()
# `man veltrane-open` shows the same page.
install(FILES ${built}/veltrane.1.gz ${built}/veltrane-open.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${built}/changelog.gz ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/veltrane)

# The Debian package. Its dependencies are worked out from the installed binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VERSION ${VELTRANE_VERSION})
set(CPACK_PACKAGE_CONTACT "The Veltrane developers <dev@veltrane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the mixing automation of a multitrack recording")
# Lines of the long description stay within 79 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Veltrane edits the fader, effects and routing automation of a multitrack\n\
mix and stores it as three text files in the project folder, which a\n\
separate engine renders. It never touches audio. The package holds the\n\
editor, a launcher that opens it in a project folder, and a stand-in engine.")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
