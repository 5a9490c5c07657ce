# The demo edition's sounds: interface tones synthesised into the program
# folder, and the course recordings spoken by espeak-ng onto the disc.
add_executable(make_tones ${CMAKE_CURRENT_SOURCE_DIR}/sounds/tones.cpp)
target_link_libraries(make_tones PRIVATE PkgConfig::SNDFILE)
set(TONE_FILES
  ${DEMO_PROGRAM_DIR}/b2.wav ${DEMO_PROGRAM_DIR}/b3.wav ${DEMO_PROGRAM_DIR}/b_ok.wav
  ${DEMO_PROGRAM_DIR}/zla.wav ${DEMO_PROGRAM_DIR}/klik.wav ${DEMO_PROGRAM_DIR}/wav_k/btn_enter.wav)
add_custom_command(OUTPUT ${TONE_FILES}
  COMMAND make_tones ${DEMO_PROGRAM_DIR}
  DEPENDS make_tones
  COMMENT "Synthesising the interface sounds")

add_executable(make_recordings ${CMAKE_CURRENT_SOURCE_DIR}/sounds/recordings.cpp)
target_link_libraries(make_recordings PRIVATE core)
file(GLOB COURSE_WORD_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/program/sb?_slow.txt)
file(GLOB COURSE_SENTENCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/program/zd?.txt)
set(COURSE_ARGS)
foreach(f ${COURSE_WORD_FILES})
  list(APPEND COURSE_ARGS words:${f})
endforeach()
foreach(f ${COURSE_SENTENCE_FILES})
  list(APPEND COURSE_ARGS sentences:${f})
endforeach()
set(RECORDINGS_STAMP ${DEMO_DIR}/.recordings_stamp)
add_custom_command(OUTPUT ${RECORDINGS_STAMP}
  COMMAND make_recordings ${DEMO_DISC_DIR}/bsslow3 ${RECORDINGS_STAMP} ${COURSE_ARGS}
  DEPENDS make_recordings ${COURSE_WORD_FILES} ${COURSE_SENTENCE_FILES}
  COMMENT "Speaking the course recordings")

# The interlude sayings, from the sets of kind "sent1" and their data files.
file(GLOB INTERLUDE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/program/*.txt)
set(SAYINGS_STAMP ${DEMO_DIR}/.sayings_stamp)
add_custom_command(OUTPUT ${SAYINGS_STAMP}
  COMMAND make_recordings ${DEMO_DISC_DIR}/bsslow3 ${SAYINGS_STAMP}
    sayings:${CMAKE_SOURCE_DIR}/data/program
  DEPENDS make_recordings ${INTERLUDE_FILES}
  COMMENT "Speaking the interlude sayings")

# Two sample recordings in the program folder's Nagrania, for the learner's own words.
set(SAMPLES_STAMP ${DEMO_DIR}/.samples_stamp)
add_custom_command(OUTPUT ${SAMPLES_STAMP}
  COMMAND make_recordings ${DEMO_PROGRAM_DIR}/Nagrania ${SAMPLES_STAMP}
    "say:en:apple.wav:apple" "say:en:garden.wav:garden"
  DEPENDS make_recordings
  COMMENT "Speaking the sample recordings")

add_custom_target(demo_sounds DEPENDS ${TONE_FILES} ${RECORDINGS_STAMP} ${SAYINGS_STAMP}
  ${SAMPLES_STAMP})
add_dependencies(demo_edition demo_sounds)
