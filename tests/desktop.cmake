# Desktop tests: the real program under a private Xvfb, driven with xdotool.
solvane_add_test(DesktopTest
  SOURCES
    desktop/DesktopMain.cpp
    desktop/DesktopSession.cpp
    desktop/MainWindowDesktopTest.cpp
    desktop/PresetsDesktopTest.cpp
  LIBS solvane_windows)
target_include_directories(DesktopTest PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
add_dependencies(DesktopTest solvane Tessmod Contora)
