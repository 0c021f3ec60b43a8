# Start-up timing of the program for tools/benchmark.sh (see start_timing.h).
qt_add_library(tarnavel_start_timing STATIC
  ${CMAKE_CURRENT_LIST_DIR}/start_timing.h ${CMAKE_CURRENT_LIST_DIR}/start_timing.cpp)
target_link_libraries(tarnavel_start_timing PUBLIC Qt6::Widgets)
target_include_directories(tarnavel_start_timing PUBLIC ${PROJECT_SOURCE_DIR})
