# Installation: the binary in a private directory, the data set beside the
# launcher's working directory, the launcher on PATH, a desktop entry and an
# icon made from the generated title picture.
include(GNUInstallDirs)

set(QUIRTAL_GAME_DIR ${CMAKE_INSTALL_DATADIR}/quirtal)
set(QUIRTAL_BINARY_DIR ${CMAKE_INSTALL_LIBEXECDIR}/quirtal)
# The launcher climbs from its own directory back to the prefix.
file(RELATIVE_PATH QUIRTAL_BIN_TO_PREFIX
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix)
configure_file(${CMAKE_SOURCE_DIR}/packaging/quirtal-launcher.sh.in
  ${CMAKE_BINARY_DIR}/packaging/quirtal @ONLY)

find_program(QUIRTAL_CONVERT convert REQUIRED)
set(QUIRTAL_ICON ${CMAKE_BINARY_DIR}/packaging/quirtal.png)
add_custom_command(
  OUTPUT ${QUIRTAL_ICON}
  COMMAND ${QUIRTAL_CONVERT} ${CMAKE_SOURCE_DIR}/data/menu/menu_intro.bmp
          -resize 128x128^ -gravity center -extent 128x128 ${QUIRTAL_ICON}
  DEPENDS quirtal_data
  COMMENT "Making the game icon from the title picture"
  VERBATIM)
add_custom_target(quirtal_icon ALL DEPENDS ${QUIRTAL_ICON})

install(TARGETS quirtal RUNTIME DESTINATION ${QUIRTAL_BINARY_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/quirtal DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${QUIRTAL_GAME_DIR}/data)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quirtal.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUIRTAL_ICON}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

# The game looks for its data set beside its own binary once installed, and
# in the repository the build generated it in.
file(RELATIVE_PATH QUIRTAL_BINARY_TO_GAME_DIR
  /prefix/${QUIRTAL_BINARY_DIR} /prefix/${QUIRTAL_GAME_DIR})
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/data_location.cpp PROPERTIES
  COMPILE_DEFINITIONS "QUIRTAL_BUILD_DATA_ROOT=\"${CMAKE_SOURCE_DIR}\";QUIRTAL_INSTALLED_DATA_FROM_BINARY=\"${QUIRTAL_BINARY_TO_GAME_DIR}\"")
