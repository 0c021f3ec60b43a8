# The corpus of today's answers (docs/testing-corpus.md): tarnavel-calc's
# answer without its main(), the program that writes the corpus, and the one
# command that regenerates it:
#   cmake --build <dir> --target regenerate_corpus
add_library(tarnavel_calc_answer STATIC
  ${CMAKE_CURRENT_LIST_DIR}/corpus/calc_answer.h ${CMAKE_CURRENT_LIST_DIR}/corpus/calc_answer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_working.h ${CMAKE_CURRENT_LIST_DIR}/calc_working.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_paths.h ${CMAKE_CURRENT_LIST_DIR}/calc_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_bequest.h ${CMAKE_CURRENT_LIST_DIR}/calc_bequest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_time.h ${CMAKE_CURRENT_LIST_DIR}/calc_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calc_estimates.h ${CMAKE_CURRENT_LIST_DIR}/calc_estimates.cpp)
target_link_libraries(tarnavel_calc_answer PUBLIC tarnavel_report tarnavel_case Qt6::Core)

qt_add_executable(tarnavel-corpus ${CMAKE_CURRENT_LIST_DIR}/corpus/make_corpus.cpp)
target_link_libraries(tarnavel-corpus PRIVATE tarnavel_calc_answer)
set_target_properties(tarnavel-corpus PROPERTIES WIN32_EXECUTABLE OFF MACOSX_BUNDLE OFF)

set(TARNAVEL_CORPUS_ARCHIVE ${PROJECT_SOURCE_DIR}/tests/data/corpus.tar.xz)
set(corpus_build_dir ${CMAKE_BINARY_DIR}/corpus-new)
add_custom_target(regenerate_corpus
  COMMAND ${CMAKE_COMMAND} -E make_directory ${corpus_build_dir}
  COMMAND tarnavel-corpus ${CMAKE_CURRENT_LIST_DIR}/corpus/classical.txt ${corpus_build_dir}/corpus.tsv
  COMMAND ${CMAKE_COMMAND} -E chdir ${corpus_build_dir}
          ${CMAKE_COMMAND} -E tar cJf ${TARNAVEL_CORPUS_ARCHIVE} "--mtime=2026-01-01 00:00:00 UTC" corpus.tsv
  DEPENDS tarnavel-corpus
  USES_TERMINAL
  VERBATIM)
