# planted_marker.dll: a DLL that records every process that loads it, planted under system libraries' names by
# the end-to-end test of the DLL search.
add_library(PlantedMarker SHARED ${CMAKE_SOURCE_DIR}/tools/planted_marker/planted_marker_win.cpp)
set_target_properties(PlantedMarker PROPERTIES OUTPUT_NAME planted_marker PREFIX "")
target_link_libraries(PlantedMarker PRIVATE ${RELANTO_STATIC_LINK})
# The end-to-end test program is defined after this file is read: add the dependency once it exists.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL add_dependencies relanto_e2e_tests PlantedMarker Gallery
               MinimalWindow)
