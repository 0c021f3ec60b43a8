# The case window, its document and case files.
qt_add_executable(tst_case_file tst_case_file.cpp)
target_link_libraries(tst_case_file PRIVATE tarnavel_casefile Qt6::Test)
add_test(NAME tst_case_file COMMAND tst_case_file)
set_tests_properties(tst_case_file PROPERTIES ENVIRONMENT "${TARNAVEL_TEST_ENV}" TIMEOUT 300)

tarnavel_add_gui_test(tst_case_window SCREEN 800x600 SOURCES tst_case_window.cpp tst_case_window_support.h)
tarnavel_add_gui_test(tst_case_document SCREEN 800x600 SOURCES tst_case_document.cpp tst_case_window_support.h)

# Every column of the working in view on common wide screens.
foreach(size 1366x768 1920x1080)
  tarnavel_add_gui_test(tst_case_window_look_${size} SCREEN ${size} SOURCES tst_case_window_look.cpp tst_case_window_support.h)
endforeach()
# The family as a tree: its places and marks, and its picture in each language.
tarnavel_add_gui_test(tst_tree SCREEN 800x600 SOURCES tst_tree.cpp ../tools/tree_families.h)
target_compile_definitions(tst_tree PRIVATE TARNAVEL_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
tarnavel_add_gui_test(tst_relatives_panel SOURCES tst_relatives_panel.cpp)
tarnavel_add_gui_test(tst_bequest_page SOURCES tst_bequest_page.cpp)
# The page of later deaths: the science documents' examples entered by its controls.
tarnavel_add_gui_test(tst_case_deaths SCREEN 1366x768 SOURCES tst_case_deaths.cpp tst_case_window_support.h)
target_compile_definitions(tst_case_deaths PRIVATE TARNAVEL_DOC_DIR="${CMAKE_SOURCE_DIR}/resources/doc")
