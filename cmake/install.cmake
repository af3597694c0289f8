# Installation and the Debian package: the program, the launcher that opens it in a project
# folder, the stand-in engine (out of the search path, where it would hide a real engine), the
# desktop entry, the icons, the manual page and the AppStream metadata.
# `cmake --install` installs them; `cpack -G DEB` packs the same tree under /usr.
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
configure_file(${packaging}/veltrane.1.in ${CMAKE_BINARY_DIR}/packaging/veltrane.1 @ONLY)
configure_file(${packaging}/${VELTRANE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${VELTRANE_APP_ID}.metainfo.xml @ONLY)

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
install(FILES ${CMAKE_BINARY_DIR}/packaging/veltrane.1 ${packaging}/veltrane-open.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package. Its dependencies are worked out from the installed binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VERSION ${VELTRANE_VERSION})
set(CPACK_PACKAGE_CONTACT "The Veltrane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the mixing automation of a multitrack recording")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Veltrane edits the fader, effects and routing automation of a multitrack mix and\n\
stores it as three text files in the project folder, which a separate engine\n\
renders. It never touches audio. The package holds the editor, a launcher that\n\
opens it in a project folder, and a stand-in engine.")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
