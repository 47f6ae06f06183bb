# Gallery.exe: the control kit's showcase, which saves and loads every control's properties; the target of the
# kit's end-to-end tests.
relanto_gui_program(Gallery SOURCES
  ${CMAKE_SOURCE_DIR}/tools/gallery/gallery_main_win.cpp
  ${CMAKE_SOURCE_DIR}/tools/gallery/gallery_window_win.cpp
  ${CMAKE_SOURCE_DIR}/tools/gallery/gallery.rc)
target_link_libraries(Gallery PRIVATE comdlg32)
