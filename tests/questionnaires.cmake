# The questionnaires: family, method window, collateral, recalculation.
tarnavel_add_gui_test(tst_family SCREEN 800x600 SOURCES tst_family.cpp tst_family_support.h)
