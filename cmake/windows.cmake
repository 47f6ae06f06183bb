# Windows build: Relanto.exe, the test stand-ins, and the end-to-end tests that drive them under Wine.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00 NOMINMAX)
if(MINGW)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
  # Address-space layout randomisation (with 64-bit entropy where the image is 64-bit) and no execution from data
  # pages, for every program.
  set(RELANTO_STATIC_LINK -static -static-libgcc -static-libstdc++ -Wl,--dynamicbase)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND RELANTO_STATIC_LINK -Wl,--high-entropy-va)
    # The load configuration's symbol: C names carry no prefix on x64, an underscore on x86.
    set(RELANTO_LOAD_CONFIG_SYMBOL _load_config_used)
  else()
    # GNU ld writes no SafeSEH table. Nothing in these images registers an exception handler on the stack (C++
    # exceptions unwind by DWARF tables), so the loader is told there are none, and will refuse any that appears.
    list(APPEND RELANTO_STATIC_LINK -Wl,--no-seh)
    set(RELANTO_LOAD_CONFIG_SYMBOL __load_config_used)
  endif()
  list(APPEND RELANTO_STATIC_LINK -Wl,--nxcompat -Wl,--no-insert-timestamp)
  # Small programs: -O2 rather than -O3, and unused functions and data left out at link time.
  string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
  string(REPLACE "-O3" "-O2" CMAKE_C_FLAGS_RELEASE "${CMAKE_C_FLAGS_RELEASE}")
  add_compile_options(-ffunction-sections -fdata-sections)
  list(APPEND RELANTO_STATIC_LINK -Wl,--gc-sections)
  # Sections laid out in the file as in memory (page-aligned): a loader can then map the image's pages from the
  # file instead of copying them. Wine copies an image whose file alignment is smaller, which counted the whole
  # exe as private memory of every running copy. Windows maps either layout; it costs about 30 KB of padding.
  list(APPEND RELANTO_STATIC_LINK -Wl,--file-alignment,4096 -Wl,--section-alignment,4096)
  # Reproducible programs: no build folder inside them.
  add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
  set(RELANTO_UNICODE_LINK -municode)
  set(RELANTO_GUI_LINK -mwindows)
  # Release programs are stripped: symbols are of no use to users and triple the size.
  set(CMAKE_EXE_LINKER_FLAGS_RELEASE "${CMAKE_EXE_LINKER_FLAGS_RELEASE} -s")
endif()

# Each program's manifest names the architecture of its image; one text made per build tree, found by the resource
# compiler in the generated folder. An edited text reconfigures the tree, and the resources are compiled again.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(RELANTO_MANIFEST_ARCH amd64)
else()
  set(RELANTO_MANIFEST_ARCH x86)
endif()
foreach(manifest "relanto|Varnik.Relanto|Relanto" "gallery|Varnik.Relanto.Gallery|Relanto control kit gallery")
  string(REPLACE "|" ";" manifest "${manifest}")
  list(GET manifest 0 file)
  list(GET manifest 1 RELANTO_MANIFEST_NAME)
  list(GET manifest 2 RELANTO_MANIFEST_DESCRIPTION)
  configure_file(${CMAKE_SOURCE_DIR}/res/relanto.manifest.in ${CMAKE_BINARY_DIR}/generated/${file}.manifest @ONLY)
  list(APPEND RELANTO_MANIFESTS ${CMAKE_BINARY_DIR}/generated/${file}.manifest)
endforeach()
add_compile_options($<$<COMPILE_LANGUAGE:RC>:-I${CMAKE_BINARY_DIR}/generated>)
set_source_files_properties(res/relanto.rc bench/minimal.rc tools/gallery/gallery.rc PROPERTIES OBJECT_DEPENDS
                            "${RELANTO_MANIFESTS}")

# ole32 and oleaut32 are loaded on first use (platform/com_win.cpp), not linked.
set(RELANTO_WIN_SYSLIBS gdi32 user32 kernel32 uuid comctl32)

# The Win32 side of each layer, over its portable side and the Win32 side of the layer below.
relanto_layer_library(relanto_platform_win SOURCES ${RELANTO_WIN_SOURCES_platform}
                      LINKS relanto_platform ${RELANTO_WIN_SYSLIBS})
relanto_layer_library(relanto_kit_win SOURCES ${RELANTO_WIN_SOURCES_kit} LINKS relanto_kit relanto_platform_win)
relanto_layer_library(relanto_pages_win SOURCES ${RELANTO_WIN_SOURCES_pages} LINKS relanto_pages relanto_kit_win)
relanto_layer_library(relanto_app_win SOURCES ${RELANTO_WIN_SOURCES_app} LINKS relanto_app relanto_pages_win)
# Everything, for the programs and tests that use any of it.
add_library(relanto_win INTERFACE)
target_link_libraries(relanto_win INTERFACE relanto_app_win)

function(relanto_gui_program name)
  cmake_parse_arguments(P "" "" "SOURCES" ${ARGN})
  add_executable(${name} WIN32 ${P_SOURCES})
  target_link_libraries(${name} PRIVATE relanto_win ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK} ${RELANTO_GUI_LINK})
  # Imports resolved from the system folder only: the load configuration of platform/os_api_win.cpp, or MSVC's switch.
  if(MINGW)
    target_link_options(${name} PRIVATE -Wl,--require-defined=${RELANTO_LOAD_CONFIG_SYMBOL} -Wl,-Map=${name}.map)
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND bash ${CMAKE_SOURCE_DIR}/tools/pe_load_config.sh $<TARGET_FILE:${name}> ${name}.map VERBATIM)
  elseif(MSVC)
    target_link_options(${name} PRIVATE /DEPENDENTLOADFLAG:0x800)
  endif()
endfunction()

relanto_gui_program(Relanto SOURCES app/relanto_main_win.cpp res/relanto.rc)

# Stand-ins for adb.exe and gnirehtet.exe: console programs that log how they were run.
foreach(tool adb gnirehtet)
  add_executable(standin_${tool} tools/standin_win.cpp)
  set_target_properties(standin_${tool} PROPERTIES OUTPUT_NAME ${tool})
  target_include_directories(standin_${tool} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(standin_${tool} PRIVATE ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK})
endforeach()

include(bench/windows_bench.cmake)

# Stand-in browser: the test prefix sends every opened address to it. A windowless program: a console of its own
# would take the foreground from the window under test at a moment no test chooses.
add_executable(urllog tools/urllog_win.cpp)
target_include_directories(urllog PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(urllog PRIVATE ${RELANTO_STATIC_LINK} ${RELANTO_UNICODE_LINK} ${RELANTO_GUI_LINK})

file(GLOB RELANTO_EXTRA_PROGRAMS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cmake)
foreach(extra ${RELANTO_EXTRA_PROGRAMS})
  include(${extra})
endforeach()

# End-to-end tests: a GoogleTest program that runs under Wine and drives the real exe.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB RELANTO_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(relanto_e2e_tests ${RELANTO_E2E_TESTS})
target_include_directories(relanto_e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(relanto_e2e_tests PRIVATE relanto_win gtest_main gtest gmock ${RELANTO_STATIC_LINK} psapi uuid
                      oleacc ole32 oleaut32)
add_dependencies(relanto_e2e_tests Relanto standin_adb standin_gnirehtet urllog)
# Run by scripts/test.sh as one Wine process (output to a file: Wine's helper processes would keep a pipe open).
include(tests/host/host_tests.cmake)
# As in the native tree: the test programs' own code and GoogleTest unoptimised, GoogleTest's and Windows' headers
# parsed once; the product's code in them keeps the program's flags.
foreach(target relanto_e2e_tests relanto_host_tests gtest gtest_main gmock)
  target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU,Clang>:-O0>)
endforeach()
foreach(target relanto_e2e_tests relanto_host_tests)
  target_precompile_headers(${target} PRIVATE <windows.h> <gtest/gtest.h> <functional> <string> <vector>)
endforeach()
