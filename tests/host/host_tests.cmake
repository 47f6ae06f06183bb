# Host tests: a GoogleTest program run under Wine that creates each control of the kit in a process of its own,
# drives it with window messages and compares what it raised with tables.
add_executable(relanto_host_tests ${CMAKE_SOURCE_DIR}/tests/host/host_rig_win.cpp
                                  ${CMAKE_SOURCE_DIR}/tests/host/host_tables_win.cpp
                                  ${CMAKE_SOURCE_DIR}/tests/host/conformance_win.cpp)
target_link_libraries(relanto_host_tests PRIVATE relanto_win gtest ${RELANTO_STATIC_LINK})
