# NShapeDemo.exe: a window of graphical buttons for the end-to-end tests and screenshots.
relanto_gui_program(NShapeDemo SOURCES ${CMAKE_SOURCE_DIR}/tools/nshape_demo/nshape_demo_main_win.cpp)
if(TARGET relanto_e2e_tests)
  add_dependencies(relanto_e2e_tests NShapeDemo)
endif()
