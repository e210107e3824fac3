# Installing the program as a desktop program (cmake --install), and its Debian
# package (cpack -G DEB): the program, its menu entry, its icon in every size a
# desktop asks for, its AppStream metadata and its manual page.

include(GNUInstallDirs)

set(ICON_SIZES 16 24 32 48 64 128 256)
set(ICON_PNGS ${ICON_SIZES})
list(TRANSFORM ICON_PNGS REPLACE "^(.+)$" "${CMAKE_BINARY_DIR}/icons/\\1x\\1/apps/${BLUNDERFEST_APP_ID}.png")
add_custom_command(OUTPUT ${ICON_PNGS}
  COMMAND render_icon ${CMAKE_BINARY_DIR}/icons ${BLUNDERFEST_APP_ID} ${ICON_SIZES}
  DEPENDS render_icon ${CMAKE_SOURCE_DIR}/assets/icon.svg
  COMMENT "Rendering the icon's PNG sizes")

set(DESKTOP_ENTRY ${CMAKE_BINARY_DIR}/${BLUNDERFEST_APP_ID}.desktop)
set(METAINFO ${CMAKE_BINARY_DIR}/${BLUNDERFEST_APP_ID}.metainfo.xml)
set(MANUAL ${CMAKE_BINARY_DIR}/blunderfest.6)
configure_file(packaging/blunderfest.desktop.in ${DESKTOP_ENTRY} @ONLY)
configure_file(packaging/blunderfest.metainfo.xml.in ${METAINFO} @ONLY)
configure_file(packaging/blunderfest.6.in ${MANUAL} @ONLY)
add_custom_command(OUTPUT ${MANUAL}.gz
  COMMAND gzip -9nkf ${MANUAL}
  DEPENDS ${MANUAL}
  COMMENT "Compressing the manual page")

add_custom_target(desktop_files ALL DEPENDS ${ICON_PNGS} ${MANUAL}.gz)

install(TARGETS blunderfest RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${BLUNDERFEST_APP_ID}.svg)
foreach(size ${ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${BLUNDERFEST_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${MANUAL}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME blunderfest)
set(CPACK_PACKAGE_VENDOR "The Grobnik")
set(CPACK_PACKAGE_CONTACT "Blunderfest team <blunderfest@grobnik.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "satirical live TV broadcast of an invented soccer match")
set(CPACK_PACKAGE_DESCRIPTION "World Cup '98: Blunderfest is a desktop toy: a live television
broadcast of an invented international soccer match, told by an announcer who
finds the sport unbearably dull. Make up two countries, read the lineups, then
watch every goal disallowed for offside.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the program's links; the fonts it draws with and Qt's
# window system plugins it cannot open a window without come on top.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
# The offline speech engine that --voice reads with. Only recommended: the
# voice is off unless asked for, and without the engine the program says so
# in one line and plays on silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-flite-plugin")
include(CPack)
