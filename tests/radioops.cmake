# Radio operation: the scale and tuning, volume and the mixer, the power-on
# restore and the commands of the face.
solvane_add_test(BarScaleTest SOURCES BarScaleTest.cpp LIBS solvane_windows)
# The radio on the desktop: the real program on the simulated tuner.
target_sources(DesktopTest PRIVATE desktop/RadioOperationDesktopTest.cpp)
# The main window's radio operation, through its handlers, with the
# recording module, the in-memory mixer and a temporary AppDir.
foreach(unit RadioTuning RadioVolume RadioRestore RadioCommands)
  solvane_add_test(${unit}Test SOURCES ${unit}Test.cpp QtTestMain.cpp LIBS radio_fixture)
endforeach()
