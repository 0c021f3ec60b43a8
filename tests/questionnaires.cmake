# The questionnaires: family, method window, collateral, recalculation.
tarnavel_add_gui_test(tst_family SCREEN 800x600 SOURCES tst_family.cpp tst_family_support.h)
tarnavel_add_gui_test(tst_collateral SCREEN 800x600 SOURCES tst_collateral.cpp tst_family_support.h)
tarnavel_add_gui_test(tst_jadd SCREEN 800x600 SOURCES tst_jadd.cpp tst_family_support.h)
tarnavel_add_gui_test(tst_recalc SCREEN 800x600 SOURCES tst_recalc.cpp tst_family_support.h)
foreach(size 800x600 1024x768)
  tarnavel_add_gui_test(tst_family_layout_${size} SCREEN ${size} SOURCES tst_family_layout.cpp tst_family_support.h)
  tarnavel_add_gui_test(tst_collateral_layout_${size} SCREEN ${size} SOURCES tst_collateral_layout.cpp tst_family_support.h)
endforeach()
