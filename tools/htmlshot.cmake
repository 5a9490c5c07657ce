# htmlshot renders a page offscreen to a PNG: htmlshot PAGE.html OUT.png [--width N].
# Its page host (a surface widget that holds the page's controls) is a library
# the viewer's tests use too.
add_library(htmlshot_lib STATIC ${CMAKE_CURRENT_SOURCE_DIR}/htmlshot/shot.cpp ${CMAKE_CURRENT_SOURCE_DIR}/htmlshot/shot.h)
target_link_libraries(htmlshot_lib PUBLIC htmlview Qt6::Widgets)
vokarin_headers(htmlshot_lib tools/htmlshot)
add_executable(htmlshot ${CMAKE_CURRENT_SOURCE_DIR}/htmlshot/main.cpp)
target_link_libraries(htmlshot PRIVATE htmlshot_lib)
