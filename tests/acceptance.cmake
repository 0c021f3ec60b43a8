# The whole program as a user runs it: cases from the main window to the
# report and the printed page, and a seeded random walk over every window.
tarnavel_add_gui_test(tst_e2e SCREEN 800x600 SOURCES tst_e2e.cpp tst_acceptance_support.h)
# Six seeds of 3,000 actions each; a failure names its seed, and
# TARNAVEL_WALK_SEED=<n> (TARNAVEL_WALK_ACTIONS=<n>) repeats that walk alone.
tarnavel_add_gui_test(tst_walk SCREEN 800x600 SOURCES tst_walk.cpp walk_engine.h walk_guard.h tst_acceptance_support.h gui_support.h)
