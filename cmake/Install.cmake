# What `cmake --install` puts under the prefix, and the Debian package CPack
# makes of it: the two programs, the desktop entry and the icons. Tests,
# benchmarks and the asset generators stay in the build folder.
include(GNUInstallDirs)

install(TARGETS quillmark quillmark-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The entry lists RTF among the types Quillmark opens without claiming to be
# their default program: no mimeapps.list, no preference.
install(FILES ${PROJECT_SOURCE_DIR}/resources/quillmark.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Drawn by tools/skin at each size (target quillmark-skin).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark developers")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <quillmark@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for steno stroke backup files (RTF/CRE)")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark shows the strokes of a stenotype backup file with their times and keys, \
finds, replaces, corrects and deletes them, and saves the file again. quillmark-cli \
reads and searches the same files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# The Qt 6 libraries come from dpkg-shlibdeps; the fonts the windows ask for by
# name are substituted from these two.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
# The open steno engine brings the dictionaries the translation column reads.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "plover")
include(CPack)
