# The main window: pure rules, and the window driven through its handlers.
solvane_add_test(DigitTextTest
  SOURCES DigitTextTest.cpp
  LIBS solvane_windows)

# Window tests share one fixture: a temporary AppDir with the skin, the
# region library and the recording radio module.
add_library(radio_fixture STATIC RadioFixture.cpp)
target_link_libraries(radio_fixture PUBLIC solvane_windows solvane_platform_testkit recording_module_client GTest::gtest)
target_include_directories(radio_fixture PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
add_dependencies(radio_fixture Contora)
target_compile_definitions(radio_fixture PRIVATE SOLVANE_APPDIR_BUILT="${SOLVANE_APPDIR}")

foreach(unit RadioLifecycle RadioSkin RadioDigits)
  solvane_add_test(${unit}Test GUI SOURCES ${unit}Test.cpp LIBS radio_fixture)
endforeach()

# The application object, with its own main: it is the QApplication.
solvane_add_test(SolvaneApplicationTest SOURCES SolvaneApplicationTest.cpp LIBS solvane_windows)

solvane_add_test(SessionMessagesTest SOURCES SessionMessagesTest.cpp LIBS solvane_windows)
