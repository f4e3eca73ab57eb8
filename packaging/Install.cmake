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
install(FILES ${VANTREL_GEN}/vantrel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

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
foreach(size ${VANTREL_ICON_SIZES})
  install(FILES ${VANTREL_GEN}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vantrel.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vantrel developers <vantrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design workshop for Battle Armor units")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "design workshop for Battle Armor units\n Pick chassis, weight class and technology base, fit armor, weapons and\n equipment into the critical slots, and print a record sheet.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/vantrel/vantrel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
