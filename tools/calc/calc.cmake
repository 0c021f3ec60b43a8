# Command-line calculator: the calculation and the report texts, no windows.
# Its line handling is a library of its own, which the fuzz target links too.
qt_add_library(tarnavel_calc_lines STATIC
  ${CMAKE_CURRENT_LIST_DIR}/calc_lines.h ${CMAKE_CURRENT_LIST_DIR}/tarnavel_calc.cpp ${CMAKE_CURRENT_LIST_DIR}/calc_help.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_working.h ${CMAKE_CURRENT_LIST_DIR}/calc_working.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_paths.h ${CMAKE_CURRENT_LIST_DIR}/calc_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_bequest.h ${CMAKE_CURRENT_LIST_DIR}/calc_bequest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_time.h ${CMAKE_CURRENT_LIST_DIR}/calc_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_estimates.h ${CMAKE_CURRENT_LIST_DIR}/calc_estimates.cpp)
target_link_libraries(tarnavel_calc_lines PUBLIC tarnavel_report tarnavel_case Qt6::Core)

qt_add_executable(tarnavel-calc ${CMAKE_CURRENT_LIST_DIR}/calc_main.cpp)
target_link_libraries(tarnavel-calc PRIVATE tarnavel_calc_lines)
set_target_properties(tarnavel-calc PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)

# Records per second through tarnavel-calc: cmake --build <dir> --target bench_cli
add_custom_target(bench_cli
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../bench_cli.sh $<TARGET_FILE:tarnavel-calc>
  DEPENDS tarnavel-calc
  USES_TERMINAL
  VERBATIM)
