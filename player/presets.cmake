# The preset file library.
add_library(solvane_presetfile STATIC
  PresetFile.cpp
)
target_include_directories(solvane_presetfile PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(solvane_presetfile PUBLIC Qt6::Core solvane_platform)
