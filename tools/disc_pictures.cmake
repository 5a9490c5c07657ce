# The demo disc's pictures for the picture interludes, drawn from the sets'
# data files onto the disc.
# The scenes are a library of their own, so the tests can look at what each
# picture shows.
add_library(disc_scenes STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/disc_pictures/scenes.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/disc_pictures/scenes.h
  ${CMAKE_CURRENT_SOURCE_DIR}/artwork/paint.cpp)
target_link_libraries(disc_scenes PUBLIC core platform_ui Qt6::Gui)
vokarin_headers(disc_scenes tools/disc_pictures)
# The artwork's drawing helpers and the shared palette, nothing else.
target_include_directories(disc_scenes PUBLIC ${CMAKE_BINARY_DIR}/include/make_artwork
  ${CMAKE_BINARY_DIR}/include/shared_windows)
add_executable(make_disc_pictures ${CMAKE_CURRENT_SOURCE_DIR}/disc_pictures/main.cpp)
target_link_libraries(make_disc_pictures PRIVATE disc_scenes)

file(GLOB PICTURE_SET_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/program/*.txt)
set(DISC_PICTURES_STAMP ${DEMO_DIR}/.disc_pictures_stamp)
add_custom_command(OUTPUT ${DISC_PICTURES_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    $<TARGET_FILE:make_disc_pictures> ${CMAKE_SOURCE_DIR}/data/program ${DEMO_DISC_DIR}/bsslow3
    ${DISC_PICTURES_STAMP}
  DEPENDS make_disc_pictures ${PICTURE_SET_FILES}
  COMMENT "Drawing the disc's pictures")
add_custom_target(demo_disc_pictures DEPENDS ${DISC_PICTURES_STAMP})
add_dependencies(demo_edition demo_disc_pictures)
