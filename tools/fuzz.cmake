# Fuzz targets (libFuzzer): configure a separate build folder with
#   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTARNAVEL_FUZZ=ON
#   cmake --build build-fuzz --target fuzz_case_file fuzz_calc_line
# and run e.g. build-fuzz/tools/fuzz_case_file -max_total_time=600 tools/fuzz/corpus/case_file
if(TARNAVEL_FUZZ)
  qt_add_executable(fuzz_case_file ${CMAKE_CURRENT_LIST_DIR}/fuzz/fuzz_case_file.cpp)
  target_link_libraries(fuzz_case_file PRIVATE tarnavel_casefile)
  target_link_options(fuzz_case_file PRIVATE -fsanitize=fuzzer)

  qt_add_executable(fuzz_calc_line ${CMAKE_CURRENT_LIST_DIR}/fuzz/fuzz_calc_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calc_working.h ${CMAKE_CURRENT_LIST_DIR}/calc_working.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calc_paths.h ${CMAKE_CURRENT_LIST_DIR}/calc_paths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calc_bequest.h ${CMAKE_CURRENT_LIST_DIR}/calc_bequest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calc_time.h ${CMAKE_CURRENT_LIST_DIR}/calc_time.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calc_estimates.h ${CMAKE_CURRENT_LIST_DIR}/calc_estimates.cpp)
  target_link_libraries(fuzz_calc_line PRIVATE tarnavel_report tarnavel_case Qt6::Core)
  target_link_options(fuzz_calc_line PRIVATE -fsanitize=fuzzer)
  foreach(t fuzz_case_file fuzz_calc_line)
    set_target_properties(${t} PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)
  endforeach()
endif()
