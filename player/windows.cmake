# The four windows and what they draw with, as one library the tests link.
add_library(solvane_windows STATIC
  Radio.h
  SessionEvents.h
  SkinImage.h
  RadioState.cpp
  VolumeKnob.cpp
  BarScale.cpp
  FrequencyText.cpp
  ChannelRows.cpp
  DigitText.cpp
  FacePictures.cpp
  UserMessages.cpp
  SkinImage.cpp
  SolvaneApplication.cpp
  RadioLifecycle.cpp
  RadioSkin.cpp
  RadioDigits.cpp
  RadioCommands.cpp
  RadioTuning.cpp
  RadioVolume.cpp
  RadioRestore.cpp
  RadioPresets.cpp
  SkinDialog.h
  Store.h
  Edit.h
  Editsub.h
  UpDown.h
  EntryFrequency.cpp
  ListRows.cpp
  DialogPlacement.cpp
  UpDown.cpp
  SkinDialog.cpp
  Store.cpp
  Edit.cpp
  Editsub.cpp
)
if(WIN32)
  target_sources(solvane_windows PRIVATE SessionEventsWin32.cpp)
else()
  target_sources(solvane_windows PRIVATE SessionEventsLinux.cpp)
endif()
target_include_directories(solvane_windows PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(solvane_windows PUBLIC solvane_platform solvane_presetfile Qt6::Widgets Qt6::DBus)

add_executable(solvane main.cpp)
target_link_libraries(solvane PRIVATE solvane_windows)
