# The user guide and the science documents as reached from the windows.
tarnavel_add_gui_test(tst_help SCREEN 800x600 SOURCES tst_help.cpp)
