# Windows benchmarks, run under Wine by scripts/bench.sh.
relanto_gui_program(MinimalWindow SOURCES bench/minimal_main_win.cpp bench/minimal.rc)
relanto_gui_program(BareWindow SOURCES bench/minimal_main_win.cpp)
target_compile_definitions(BareWindow PRIVATE BARE_WINDOW)
add_executable(StartupBench bench/startup_bench_win.cpp)
target_include_directories(StartupBench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(StartupBench PRIVATE relanto_kit_win ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK} psapi)
add_dependencies(StartupBench Relanto MinimalWindow BareWindow standin_adb)

add_executable(ClickBench bench/click_bench_win.cpp)
target_include_directories(ClickBench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(ClickBench PRIVATE ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK})
add_dependencies(ClickBench Relanto standin_adb standin_gnirehtet)

# Built as a console program so that it can print, with the windows of the real program linked in.
add_executable(WindowPaintBench bench/window_paint_bench_main_win.cpp res/relanto.rc)
target_link_libraries(WindowPaintBench PRIVATE relanto_app_win ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK})

# Console-start stress (scripts/stress.sh): the program's own console runner, linked in.
add_executable(ConsoleStress bench/console_stress_win.cpp)
target_include_directories(ConsoleStress PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(ConsoleStress PRIVATE relanto_app_win ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK})
add_dependencies(ConsoleStress standin_adb standin_gnirehtet)
