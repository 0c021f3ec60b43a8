# The whole program as a user runs it: cases from the main window to the
# report and the printed page, and a seeded random walk over every window.
tarnavel_add_gui_test(tst_e2e SCREEN 800x600 SOURCES tst_e2e.cpp tst_acceptance_support.h)
