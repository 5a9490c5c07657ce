# make_artwork draws the window pictures and button strips into the demo program folder.
file(GLOB ARTWORK_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/artwork/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/artwork/*.h)
add_executable(make_artwork ${ARTWORK_SOURCES})
target_link_libraries(make_artwork PRIVATE platform_ui Qt6::Gui)
# The palette, the strips and each window's geometry (the *_geometry.h files beside
# the windows); it links none of the windows' code.
vokarin_headers(make_artwork tools/artwork shared trainer dictionary)

set(ARTWORK_STAMP ${DEMO_DIR}/.artwork_stamp)
add_custom_command(OUTPUT ${ARTWORK_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make_artwork> ${DEMO_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${ARTWORK_STAMP}
  DEPENDS make_artwork
  COMMENT "Drawing the window pictures and button strips")
add_custom_target(demo_artwork DEPENDS ${ARTWORK_STAMP})
add_dependencies(demo_edition demo_artwork)
