# Pictures of every window in both languages (not a test).
qt_add_executable(tarnavel-screenshots screenshots.cpp)
target_link_libraries(tarnavel-screenshots PRIVATE tarnavel_app Qt6::Test)
