# Report composition (no widgets) and the command-line calculator.
tarnavel_add_core_test(tst_composition tst_composition.cpp)
