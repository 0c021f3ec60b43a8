# Report composition (no widgets) and the command-line calculator.
tarnavel_add_core_test(tst_composition tst_composition.cpp)

tarnavel_add_core_test(tst_calc_cli tst_calc_cli.cpp)
target_compile_definitions(tst_calc_cli PRIVATE TARNAVEL_CALC_PATH="$<TARGET_FILE:tarnavel-calc>")
add_dependencies(tst_calc_cli tarnavel-calc)

# Names of relatives given as paths.
tarnavel_add_core_test(tst_relative_names tst_relative_names.cpp)
# The schools' views: profiles, their documentation and attributions.
tarnavel_add_core_test(tst_schools tst_schools.cpp)
target_compile_definitions(tst_schools PRIVATE TARNAVEL_SCHOOLS_MD="${CMAKE_SOURCE_DIR}/docs/schools.md")
# The working over paths in words, with its evidence and the views followed.
tarnavel_add_core_test(tst_path_working_text tst_path_working_text.cpp)
