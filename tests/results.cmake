# Results window and printed report.
tarnavel_add_gui_test(tst_results SCREEN 800x600 SOURCES tst_results.cpp tst_results_support.h)
tarnavel_add_gui_test(tst_print SCREEN 800x600 SOURCES tst_print.cpp tst_results_support.h)
tarnavel_add_gui_test(tst_print_pdf SCREEN 800x600 SOURCES tst_print_pdf.cpp tst_results_support.h)
tarnavel_add_gui_test(tst_results_flow SCREEN 800x600 SOURCES tst_results_flow.cpp)
