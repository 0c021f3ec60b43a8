# The share calculation.
tarnavel_add_core_test(tst_calc_arithmetic tst_calc_arithmetic.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_without_father tst_calc_without_father.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_with_father tst_calc_with_father.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_grandfather tst_calc_grandfather.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_properties tst_calc_properties.cpp tst_calc_support.h tst_calc_generator.h)

# The estate in money.
tarnavel_add_core_test(tst_estate tst_estate.cpp)
tarnavel_add_core_test(tst_working tst_working.cpp tst_working_classical.h tst_calc_generator.h)
tarnavel_add_core_test(tst_engine tst_engine.cpp tst_calc_generator.h tst_path_generator.h)
tarnavel_add_core_test(tst_distant_kindred tst_distant_kindred.cpp tst_path_generator.h)
tarnavel_add_core_test(tst_obligatory_bequest tst_obligatory_bequest.cpp tst_path_generator.h)
# Heirs whose state is unknown: the reserve over the estimates.
tarnavel_add_core_test(tst_estimates tst_estimates.cpp tst_estimates_support.h)
target_compile_definitions(tst_estimates PRIVATE TARNAVEL_DOC_DIR="${CMAKE_SOURCE_DIR}/resources/doc")
tarnavel_add_core_test(tst_estimates_books tst_estimates_books.cpp tst_estimates_support.h)

# Relatives as paths and their names.
tarnavel_add_core_test(tst_path tst_path.cpp)

# The corpus of answers: every family in tests/data/corpus.tar.xz answered
# again (docs/testing-corpus.md). The archive is unpacked into the build.
set(corpus_file ${CMAKE_CURRENT_BINARY_DIR}/corpus/corpus.tsv)
set(corpus_archive ${PROJECT_SOURCE_DIR}/tests/data/corpus.tar.xz)
add_custom_command(OUTPUT ${corpus_file}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/corpus
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_CURRENT_BINARY_DIR}/corpus ${CMAKE_COMMAND} -E tar xJf ${corpus_archive}
  COMMAND ${CMAKE_COMMAND} -E touch ${corpus_file}
  DEPENDS ${corpus_archive}
  VERBATIM)
add_custom_target(tst_corpus_data DEPENDS ${corpus_file})
tarnavel_add_core_test(tst_corpus tst_corpus.cpp)
target_link_libraries(tst_corpus PRIVATE tarnavel_calc_answer)
target_compile_definitions(tst_corpus PRIVATE TARNAVEL_CORPUS_FILE="${corpus_file}")
add_dependencies(tst_corpus tst_corpus_data)
# Cases over more than one death, and withdrawal.
tarnavel_add_core_test(tst_successive tst_successive.cpp tst_successive_support.h)
tarnavel_add_core_test(tst_successive_rules tst_successive_rules.cpp tst_successive_support.h tst_path_generator.h)
foreach(t tst_successive tst_successive_rules)
  target_compile_definitions(${t} PRIVATE TARNAVEL_DOC_DIR="${CMAKE_SOURCE_DIR}/resources/doc")
endforeach()
