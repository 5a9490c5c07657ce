# Copies one tree of the demo edition: cmake -DSRC=<folder> -DDST=<folder> -P lay_out.cmake
# Course files are refreshed when they differ. Files that hold a learner's state
# (the user list, own words, comments, own exercises, corrections, the hand-off
# file, the numbered user folders and the own recordings in Nagrania) are copied
# only when absent, so a rebuild never overwrites what a learner has done.
if(NOT SRC OR NOT DST)
  message(FATAL_ERROR "lay_out.cmake needs SRC and DST")
endif()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SRC}" "${SRC}/*")
foreach(rel IN LISTS files)
  get_filename_component(name "${rel}" NAME)
  if(name MATCHES "^\\.")
    continue()
  endif()
  string(TOLOWER "${rel}" lower)
  string(TOLOWER "${name}" lower_name)
  set(learner OFF)
  if(lower_name MATCHES "^(usr\\.t|sbusr\\.txt|kom_user\\.txt|korekta_dane\\.txt|slow\\.txt|cw[a-z]_su\\.txt)$"
     OR lower MATCHES "^([0-9]+|nagrania)/")
    set(learner ON)
  endif()
  set(dst "${DST}/${rel}")
  if(learner AND EXISTS "${dst}")
    continue()
  endif()
  get_filename_component(dir "${dst}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}/${rel}" "${dst}" ONLY_IF_DIFFERENT)
endforeach()
