# Every window at every common screen size, in both languages: controls
# inside their window, no overlaps, no text cut off.
# With TARNAVEL_SHOTS=<folder> it also saves screenshots there.
foreach(size ${TARNAVEL_COMMON_SCREENS})
  if(size STREQUAL "800x600")
    tarnavel_add_gui_test(tst_look SCREEN ${size} SOURCES tst_look.cpp)
  else()
    # One program for all sizes: the screen comes from the environment.
    add_test(NAME tst_look_${size} COMMAND tst_look)
    set_tests_properties(tst_look_${size} PROPERTIES TIMEOUT 300 ENVIRONMENT
      "${TARNAVEL_TEST_ENV};QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_BINARY_DIR}/screen-${size}.json")
  endif()
endforeach()
