# The English inheritance-science document: direction, links, quotations.
tarnavel_add_gui_test(tst_science_en SOURCES tst_science_en.cpp)
target_compile_definitions(tst_science_en PRIVATE TARNAVEL_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")

# Every worked example of the English document against the calculation and the report.
tarnavel_add_core_test(tst_notes_examples_en tst_notes_examples.cpp)
target_compile_definitions(tst_notes_examples_en PRIVATE
  TARNAVEL_SCIENCE_HTML="${CMAKE_SOURCE_DIR}/resources/doc/science_en.html" TARNAVEL_MIN_WORKINGS=0)
