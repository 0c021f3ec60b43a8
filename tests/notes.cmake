# The inheritance-science window and its document.
foreach(size 800x600 1024x768)
  tarnavel_add_gui_test(tst_notes_${size} SCREEN ${size} SOURCES tst_notes.cpp)
  target_compile_definitions(tst_notes_${size} PRIVATE TARNAVEL_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
endforeach()

# Every worked example of the document against the calculation and the report.
tarnavel_add_core_test(tst_notes_examples tst_notes_examples.cpp)
target_compile_definitions(tst_notes_examples PRIVATE
  TARNAVEL_SCIENCE_HTML="${CMAKE_SOURCE_DIR}/resources/doc/science.html")
