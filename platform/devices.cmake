# Mixer and ACPI control device.
target_sources(solvane_platform PRIVATE
  AcpiDevice.cpp
  AcpiDeviceLinux.cpp
  Mixer.cpp
  MixerAlsa.cpp
  MixerScale.cpp
)
find_package(PkgConfig REQUIRED)
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET GLOBAL alsa)
target_link_libraries(solvane_platform PRIVATE PkgConfig::ALSA)

# What tests put in place of the hardware: a recording ACPI device and an
# in-memory mixer.
add_library(solvane_platform_testkit STATIC
  AcpiDeviceRecording.cpp
  MixerMemory.cpp
)
target_link_libraries(solvane_platform_testkit PUBLIC solvane_platform Qt6::Core)
