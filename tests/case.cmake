# The share calculation.
tarnavel_add_core_test(tst_calc_arithmetic tst_calc_arithmetic.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_without_father tst_calc_without_father.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_with_father tst_calc_with_father.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_grandfather tst_calc_grandfather.cpp tst_calc_support.h)
tarnavel_add_core_test(tst_calc_properties tst_calc_properties.cpp tst_calc_support.h tst_calc_generator.h)

# The estate in money.
tarnavel_add_core_test(tst_estate tst_estate.cpp)
tarnavel_add_core_test(tst_working tst_working.cpp tst_calc_generator.h)
tarnavel_add_core_test(tst_engine tst_engine.cpp tst_calc_generator.h tst_path_generator.h)

# Relatives as paths and their names.
tarnavel_add_core_test(tst_path tst_path.cpp)
