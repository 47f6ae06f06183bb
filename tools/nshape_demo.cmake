# NShapeDemo.exe: a window of graphical buttons for the end-to-end tests and screenshots.
relanto_gui_program(NShapeDemo SOURCES ${CMAKE_SOURCE_DIR}/tools/nshape_demo/nshape_demo_main_win.cpp)
# The end-to-end test program is defined after this file is read: add the dependency once it exists.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL add_dependencies relanto_e2e_tests NShapeDemo)
