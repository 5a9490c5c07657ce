# The picture corpus of the viewer's decoder tests: PNG and GIF files made by
# our own writers, which also know every pixel they wrote.
file(GLOB PICTURE_CORPUS_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*_maker.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pictures/corpus.cpp)
add_library(picture_corpus STATIC ${PICTURE_CORPUS_SOURCES})
set_target_properties(picture_corpus PROPERTIES AUTOMOC OFF)
target_link_libraries(picture_corpus PUBLIC Qt6::Gui ZLIB::ZLIB)
vokarin_headers(picture_corpus tools/pictures)
