# One whole case through the windows, timed (not a test): run by
# tools/benchmark.sh under Xvfb.
qt_add_executable(bench_case ${CMAKE_CURRENT_LIST_DIR}/bench_case.cpp)
target_link_libraries(bench_case PRIVATE tarnavel_app Qt6::Test)
set_target_properties(bench_case PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)

# The case window's speed (not a test): run by tools/benchmark.sh under Xvfb.
qt_add_executable(bench_details ${CMAKE_CURRENT_LIST_DIR}/bench_details.cpp)
target_link_libraries(bench_details PRIVATE tarnavel_app Qt6::Test)
set_target_properties(bench_details PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)
