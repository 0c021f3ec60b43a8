tarnavel_add_gui_test(tst_mechanics SCREEN 800x600 SOURCES tst_mechanics.cpp)
