# Installation: the binary in a private directory, the data set (generated in
# the build tree) under share/quirtal, the launcher on PATH, a desktop entry
# and AppStream metainfo under the one id, an icon in the hicolor sizes and a
# man page.
include(GNUInstallDirs)

set(QUIRTAL_GAME_DIR ${CMAKE_INSTALL_DATADIR}/quirtal)
set(QUIRTAL_BINARY_DIR ${CMAKE_INSTALL_LIBEXECDIR}/quirtal)
# The launcher climbs from its own directory back to the prefix.
file(RELATIVE_PATH QUIRTAL_BIN_TO_PREFIX
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix)
configure_file(${CMAKE_SOURCE_DIR}/packaging/quirtal-launcher.sh.in
  ${CMAKE_BINARY_DIR}/packaging/quirtal @ONLY)

# The desktop icon in the hicolor sizes, drawn by the data generator.
set(QUIRTAL_ICONS ${CMAKE_BINARY_DIR}/packaging/icons)
set(QUIRTAL_ICON_FILES)
foreach(size 32 48 64 128 256)
  list(APPEND QUIRTAL_ICON_FILES ${QUIRTAL_ICONS}/hicolor/${size}x${size}/apps/quirtal.png)
endforeach()
add_custom_command(
  OUTPUT ${QUIRTAL_ICON_FILES}
  COMMAND $<TARGET_FILE:quirtal_datagen> ${CMAKE_BINARY_DIR}/packaging icons
  DEPENDS quirtal_datagen
  COMMENT "Drawing the game icon"
  VERBATIM)
add_custom_target(quirtal_icon ALL DEPENDS ${QUIRTAL_ICON_FILES})

install(TARGETS quirtal RUNTIME DESTINATION ${QUIRTAL_BINARY_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/quirtal DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/ DESTINATION ${QUIRTAL_GAME_DIR}/data)
set(QUIRTAL_APP_ID org.quirtal.orvelcup)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QUIRTAL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${QUIRTAL_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${QUIRTAL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QUIRTAL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${CMAKE_SOURCE_DIR}/packaging/quirtal.6.in ${CMAKE_BINARY_DIR}/packaging/quirtal.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/quirtal.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(DIRECTORY ${QUIRTAL_ICONS}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The game looks for its data set beside its own binary once installed, and
# in the build tree that generated it.
file(RELATIVE_PATH QUIRTAL_BINARY_TO_GAME_DIR
  /prefix/${QUIRTAL_BINARY_DIR} /prefix/${QUIRTAL_GAME_DIR})
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/data_location.cpp PROPERTIES
  COMPILE_DEFINITIONS "QUIRTAL_BUILD_DATA_ROOT=\"${CMAKE_BINARY_DIR}\";QUIRTAL_INSTALLED_DATA_FROM_BINARY=\"${QUIRTAL_BINARY_TO_GAME_DIR}\"")
