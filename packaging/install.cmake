# Installing the program as a desktop program (cmake --install), and its Debian
# package (cpack -G DEB): the program, its menu entry, its icon in every size a
# desktop asks for, its AppStream metadata with its screenshots, its manual
# page, its copyright and its changelog.

include(GNUInstallDirs)

# A game's program goes where Debian puts games, /usr/games, which is on the
# PATH of every user there but root; under another prefix, PREFIX/games.
set(BLUNDERFEST_INSTALL_GAMESDIR games CACHE STRING "Where the program goes, relative to the prefix")

# The one changelog, CHANGELOG.md, read at configure time: its newest release
# is this version, its date dates the manual page, and its releases become the
# package's Debian changelog and the metadata's releases.
set(CHANGELOG ${CMAKE_SOURCE_DIR}/CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CHANGELOG}
  ${CMAKE_SOURCE_DIR}/packaging/changelog.awk)
function(read_changelog form out)
  execute_process(COMMAND awk -v form=${form} -v package=${PROJECT_NAME}
    "-v" "maintainer=${BLUNDERFEST_MAINTAINER}" -f ${CMAKE_SOURCE_DIR}/packaging/changelog.awk
    ${CHANGELOG} OUTPUT_VARIABLE text ERROR_VARIABLE why RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "CHANGELOG.md cannot be read: ${why}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
read_changelog(newest NEWEST_RELEASE)
string(REGEX MATCH "^([^ ]+) ([^\n]+)" NEWEST_RELEASE "${NEWEST_RELEASE}")
set(BLUNDERFEST_RELEASE_DATE ${CMAKE_MATCH_2})
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest release of CHANGELOG.md is ${CMAKE_MATCH_1}, "
    "but the project's version is ${PROJECT_VERSION}: the two must agree.")
endif()
read_changelog(appstream BLUNDERFEST_RELEASES)
read_changelog(debian DEBIAN_CHANGELOG)
set(DEBIAN_CHANGELOG_FILE ${CMAKE_BINARY_DIR}/changelog)
file(CONFIGURE OUTPUT ${DEBIAN_CHANGELOG_FILE} CONTENT "@DEBIAN_CHANGELOG@" @ONLY)

set(ICON_SIZES 16 24 32 48 64 128 256)
set(ICON_PNGS ${ICON_SIZES})
list(TRANSFORM ICON_PNGS REPLACE "^(.+)$" "${CMAKE_BINARY_DIR}/icons/\\1x\\1/apps/${BLUNDERFEST_APP_ID}.png")
add_custom_command(OUTPUT ${ICON_PNGS}
  COMMAND render_icon ${CMAKE_BINARY_DIR}/icons ${BLUNDERFEST_APP_ID} ${ICON_SIZES}
  DEPENDS render_icon ${CMAKE_SOURCE_DIR}/assets/icon.svg
  COMMENT "Rendering the icon's PNG sizes")

# The screenshots of the metadata, rendered from the window. A software centre
# fetches them from the project's site, where each release's pictures are
# published beside the package: a metadata file can name only web addresses.
set(SCREENSHOTS title lineups match)
set(SCREENSHOT_PNGS ${SCREENSHOTS})
list(TRANSFORM SCREENSHOT_PNGS REPLACE "^(.+)$" "${CMAKE_BINARY_DIR}/screenshots/\\1.png")
set(BLUNDERFEST_SCREENSHOTS_URL "https://grobnik.net/blunderfest/screenshots/${PROJECT_VERSION}")
set(BLUNDERFEST_SCREENSHOTS_DIR ${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}/screenshots)
add_custom_command(OUTPUT ${SCREENSHOT_PNGS}
  COMMAND render_screenshots ${CMAKE_BINARY_DIR}/screenshots
  DEPENDS render_screenshots
  COMMENT "Rendering the screenshots")

set(DESKTOP_ENTRY ${CMAKE_BINARY_DIR}/${BLUNDERFEST_APP_ID}.desktop)
set(METAINFO ${CMAKE_BINARY_DIR}/${BLUNDERFEST_APP_ID}.metainfo.xml)
set(MANUAL ${CMAKE_BINARY_DIR}/blunderfest.6)
set(COPYRIGHT ${CMAKE_BINARY_DIR}/copyright)
configure_file(packaging/blunderfest.desktop.in ${DESKTOP_ENTRY} @ONLY)
if(BLUNDERFEST_SITE)
  set(BLUNDERFEST_SITE_URL "  <url type=\"homepage\">${BLUNDERFEST_SITE}</url>\n")
endif()
configure_file(packaging/blunderfest.metainfo.xml.in ${METAINFO} @ONLY)
configure_file(packaging/blunderfest.6.in ${MANUAL} @ONLY)
configure_file(packaging/copyright.in ${COPYRIGHT} @ONLY)
foreach(text ${MANUAL} ${DEBIAN_CHANGELOG_FILE})
  add_custom_command(OUTPUT ${text}.gz
    COMMAND gzip -9nkf ${text}
    DEPENDS ${text}
    COMMENT "Compressing ${text}")
endforeach()

add_custom_target(desktop_files ALL
  DEPENDS ${ICON_PNGS} ${SCREENSHOT_PNGS} ${MANUAL}.gz ${DEBIAN_CHANGELOG_FILE}.gz)

install(TARGETS blunderfest RUNTIME DESTINATION ${BLUNDERFEST_INSTALL_GAMESDIR})
# Stripped as Debian strips a program: the compiler's notes go too.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
    \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BLUNDERFEST_INSTALL_GAMESDIR}/$<TARGET_FILE_NAME:blunderfest>
    COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SCREENSHOT_PNGS} DESTINATION ${BLUNDERFEST_SCREENSHOTS_DIR})
install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${BLUNDERFEST_APP_ID}.svg)
foreach(size ${ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${BLUNDERFEST_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${MANUAL}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${COPYRIGHT} ${DEBIAN_CHANGELOG_FILE}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${BLUNDERFEST_DEVELOPER})
set(CPACK_PACKAGE_CONTACT ${BLUNDERFEST_MAINTAINER})
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
# Lintian's overrides, with their reasons, go in the package only.
set(CPACK_BLUNDERFEST_LINTIAN_OVERRIDES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/debian_only.cmake)
include(CPack)
