# The preset file, the ACPI control device and the mixer.
solvane_add_test(PresetFileTest
  SOURCES PresetFileTest.cpp
  LIBS solvane_presetfile Qt6::Core)

solvane_add_test(AcpiDeviceTest
  SOURCES AcpiDeviceTest.cpp
  LIBS solvane_platform_testkit Qt6::Core)

# The reply parser meets hostile driver replies: the same cases again, with
# the ACPI sources built under AddressSanitizer and UBSan, so a read past
# the reply fails the test instead of passing by luck.
set(SOLVANE_ACPI_SOURCES
  ${PROJECT_SOURCE_DIR}/platform/AcpiDevice.cpp
  ${PROJECT_SOURCE_DIR}/platform/AcpiDeviceLinux.cpp
  ${PROJECT_SOURCE_DIR}/platform/AcpiDeviceRecording.cpp)
add_executable(AcpiDeviceAsanTest AcpiDeviceTest.cpp ${SOLVANE_ACPI_SOURCES})
target_include_directories(AcpiDeviceAsanTest PRIVATE ${PROJECT_SOURCE_DIR}/platform)
target_compile_options(AcpiDeviceAsanTest PRIVATE
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_link_options(AcpiDeviceAsanTest PRIVATE -fsanitize=address,undefined)
target_link_libraries(AcpiDeviceAsanTest PRIVATE GTest::gtest GTest::gtest_main)
gtest_discover_tests(AcpiDeviceAsanTest TEST_PREFIX "Asan." DISCOVERY_TIMEOUT 60)

solvane_add_test(MixerTest
  SOURCES MixerTest.cpp
  LIBS solvane_platform_testkit Qt6::Core)
