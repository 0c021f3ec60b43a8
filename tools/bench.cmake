# Cases per second for the calculation alone. Not a test: run it by hand,
#   cmake --build <dir> --target bench_calc && <dir>/tools/bench_calc
qt_add_executable(bench_calc ${CMAKE_CURRENT_LIST_DIR}/bench_calc.cpp)
target_link_libraries(bench_calc PRIVATE tarnavel_case)
set_target_properties(bench_calc PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)
