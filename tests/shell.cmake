# The shell windows and their platform layers.
tarnavel_add_gui_test(tst_shell_layouts SCREEN 800x600 SOURCES tst_shell_layouts.cpp)
tarnavel_add_gui_test(tst_shell_registry SCREEN 800x600 SOURCES tst_shell_registry.cpp)
tarnavel_add_gui_test(tst_shell_main SCREEN 800x600 SOURCES tst_shell_main.cpp)
tarnavel_add_gui_test(tst_shell_about SCREEN 800x600 SOURCES tst_shell_about.cpp)
tarnavel_add_gui_test(tst_shell_keyboard SCREEN 800x600 SOURCES tst_shell_keyboard.cpp)
tarnavel_add_gui_test(tst_shell_exit SCREEN 800x600 SOURCES tst_shell_exit.cpp)

# The small-screen notice: only a screen smaller in both directions gets it.
foreach(size 640x480 800x480 1024x768)
  tarnavel_add_gui_test(tst_shell_notice_${size} SCREEN ${size} SOURCES tst_shell_notice.cpp)
endforeach()

# Every shell window in both languages: nothing outside its window, no text
# cut off. With TARNAVEL_SHOTS=<folder> it also saves screenshots there.
foreach(size 800x600 1024x768)
  tarnavel_add_gui_test(tst_shell_look_${size} SCREEN ${size} SOURCES tst_shell_look.cpp)
endforeach()

# The X11 keyboard layer needs a real X server with an Arabic group in the keymap.
find_program(TARNAVEL_XVFB_RUN xvfb-run)
find_program(TARNAVEL_SETXKBMAP setxkbmap)
if(X11_FOUND AND X11_XTest_FOUND AND TARNAVEL_XVFB_RUN AND TARNAVEL_SETXKBMAP)
  qt_add_executable(tst_keyboard_x11 tst_keyboard_x11.cpp)
  target_link_libraries(tst_keyboard_x11 PRIVATE tarnavel_app Qt6::Test X11::X11 X11::Xtst)
  add_test(NAME tst_keyboard_x11_arabic COMMAND ${TARNAVEL_XVFB_RUN} -a -s "-screen 0 1024x768x24 -noreset"
    sh -c "setxkbmap -layout us,ara && TARNAVEL_KEYMAP=arabic \"$<TARGET_FILE:tst_keyboard_x11>\"")
  add_test(NAME tst_keyboard_x11_latin_only COMMAND ${TARNAVEL_XVFB_RUN} -a -s "-screen 0 1024x768x24 -noreset"
    sh -c "setxkbmap -layout us && TARNAVEL_KEYMAP=latin \"$<TARGET_FILE:tst_keyboard_x11>\"")
  set_tests_properties(tst_keyboard_x11_arabic tst_keyboard_x11_latin_only PROPERTIES
    LABELS x11 TIMEOUT 120 ENVIRONMENT "${TARNAVEL_TEST_ENV};QT_QPA_PLATFORM=xcb")
endif()
