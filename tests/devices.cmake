# The preset file, the ACPI control device and the mixer.
solvane_add_test(PresetFileTest
  SOURCES PresetFileTest.cpp
  LIBS solvane_presetfile Qt6::Core)
