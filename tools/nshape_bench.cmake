# NShapePaintBench.exe: paint time of a graphical button against a plain FillRect window, and the CPU of the
# leave poll; run it under Wine from the Windows build folder.
add_executable(NShapePaintBench ${CMAKE_SOURCE_DIR}/bench/nshape_paint_bench_win.cpp)
target_link_libraries(NShapePaintBench PRIVATE relanto_win ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK})
add_dependencies(NShapePaintBench NShapeDemo)
