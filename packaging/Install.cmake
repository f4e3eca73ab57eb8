# Install layout and the Debian package. The program reads its catalog beside its executable, so both
# live in lib/vantrel/ and bin/vantrel is a relative link to it.
include(GNUInstallDirs)

set(VANTREL_PACKAGING ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(VANTREL_APPID io.github.vantrel.Vantrel)
set(VANTREL_GEN ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(VANTREL_ICON_SIZES 16 32 48 64 128 256)

install(TARGETS vantrel RUNTIME DESTINATION lib/vantrel)
install(FILES ${VANTREL_CATALOG} DESTINATION lib/vantrel)
file(MAKE_DIRECTORY ${VANTREL_GEN})
file(CREATE_LINK ../lib/vantrel/vantrel ${VANTREL_GEN}/vantrel SYMBOLIC)
install(FILES ${VANTREL_GEN}/vantrel DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${VANTREL_PACKAGING}/${VANTREL_APPID}.metainfo.xml ${VANTREL_GEN}/${VANTREL_APPID}.metainfo.xml @ONLY)
configure_file(${VANTREL_PACKAGING}/vantrel.1 ${VANTREL_GEN}/vantrel.1 @ONLY)
install(FILES ${VANTREL_PACKAGING}/vantrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VANTREL_PACKAGING}/vantrel-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME vantrel.xml)
install(FILES ${VANTREL_GEN}/${VANTREL_APPID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${VANTREL_PACKAGING}/changelog ${VANTREL_GEN}/changelog @ONLY)
install(FILES ${VANTREL_GEN}/vantrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VANTREL_GEN}/changelog.gz ${VANTREL_PACKAGING}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantrel)

# Debian wants the man page and the changelog compressed, without a time stamp (-n) so that builds agree.
find_program(VANTREL_GZIP gzip REQUIRED)
foreach(doc vantrel.1 changelog)
  add_custom_command(OUTPUT ${VANTREL_GEN}/${doc}.gz
    COMMAND ${VANTREL_GZIP} -9 -n -f -k ${VANTREL_GEN}/${doc}
    DEPENDS ${VANTREL_GEN}/${doc})
endforeach()

# The theme's sizes are scaled from the one large icon at build time.
add_executable(vantrel_iconscale tools/iconscale/main.cpp)
target_link_libraries(vantrel_iconscale PRIVATE Qt6::Gui)
set(VANTREL_ICONS)
foreach(size ${VANTREL_ICON_SIZES})
  list(APPEND VANTREL_ICONS ${VANTREL_GEN}/icons/${size}.png)
endforeach()
add_custom_command(OUTPUT ${VANTREL_ICONS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_GEN}/icons
  COMMAND vantrel_iconscale ${CMAKE_CURRENT_SOURCE_DIR}/resources/icon-256.png ${VANTREL_GEN}/icons
          ${VANTREL_ICON_SIZES}
  DEPENDS vantrel_iconscale ${CMAKE_CURRENT_SOURCE_DIR}/resources/icon-256.png)
add_custom_target(vantrel_icons ALL DEPENDS ${VANTREL_ICONS})
# Everything the install copies besides the program (make package builds just these and the program).
add_custom_target(vantrel_package_files ALL DEPENDS vantrel_icons ${VANTREL_GEN}/vantrel.1.gz
                  ${VANTREL_GEN}/changelog.gz)
foreach(size ${VANTREL_ICON_SIZES})
  install(FILES ${VANTREL_GEN}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vantrel.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vantrel developers <vantrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design workshop for Battle Armor units")
# The extended description only: CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pick chassis, weight class and technology base, fit armor, weapons and\nequipment into the critical slots, and print a record sheet.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A design tool for a game, not a game: the games section wants its binaries in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/vantrel/vantrel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
include(CPack)
