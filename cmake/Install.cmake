# What `cmake --install` puts under the prefix, and the Debian package CPack
# makes of it: the two programs, the desktop entry, the icons, the manual
# pages, the licence and the changelog. Tests, benchmarks and the asset
# generators stay in the build folder.
include(GNUInstallDirs)

# Manual pages and the changelog go out compressed as Debian wants them: gzip
# at its best, without a name or time stamp, so every build gives the same bytes.
set(QUILLMARK_GZIPPED)
foreach(source docs/man/quillmark.1 docs/man/quillmark-cli.1 debian/changelog)
  get_filename_component(name ${source} NAME)
  set(gzipped ${PROJECT_BINARY_DIR}/package/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/package
    COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/${source}' > '${gzipped}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND QUILLMARK_GZIPPED ${gzipped})
endforeach()
add_custom_target(quillmark-package-docs ALL DEPENDS ${QUILLMARK_GZIPPED})

install(TARGETS quillmark quillmark-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The entry lists RTF among the types Quillmark opens without claiming to be
# their default program: no mimeapps.list, no preference.
install(FILES ${PROJECT_SOURCE_DIR}/resources/quillmark.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Drawn by tools/skin at each size (target quillmark-skin).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_BINARY_DIR}/package/quillmark.1.gz
              ${PROJECT_BINARY_DIR}/package/quillmark-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The licence in Debian's machine-readable form, beside the changelog.
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/package/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark developers")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <quillmark@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for steno stroke backup files (RTF/CRE)")
# Lines of at most 80 characters, as Debian's description rules ask.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark shows the strokes of a stenotype backup file with their times and\n\
keys, finds, replaces, corrects and deletes them, and saves the file again.\n\
quillmark-cli reads, searches, shifts, exports and imports the same files from\n\
the command line.")
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
