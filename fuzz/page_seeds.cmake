# Seeds of fuzz_page: each feature page after two bytes that pick a width of
# 320 or 800 pixels (the target takes them modulo 1600, plus one).
file(GLOB pages ${PAGES}/*.html)
foreach(page ${pages})
  get_filename_component(name ${page} NAME_WE)
  file(READ ${page} text)
  string(ASCII 1 63 w320)   # 0x013F = 319
  string(ASCII 3 31 w800)   # 0x031F = 799
  file(WRITE ${OUT}/${name}_320 "${w320}${text}")
  file(WRITE ${OUT}/${name}_800 "${w800}${text}")
endforeach()

# fuzz_print takes two more bytes (paper and margins, page range): A5 at 96
# pixels per inch, scale 1, 1 cm margins, pages 1 to 7.
if(PRINT_OUT)
  foreach(page ${pages})
    get_filename_component(name ${page} NAME_WE)
    file(READ ${page} text)
    string(ASCII 1 63 32 28 w320)
    file(WRITE ${PRINT_OUT}/${name}_320 "${w320}${text}")
  endforeach()
endif()
