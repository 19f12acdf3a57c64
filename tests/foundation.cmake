# Library loading, single instance, pictures, regions and both outside
# libraries' stand-ins.
add_subdirectory(recording_module)

solvane_add_test(ModuleLoaderTest SOURCES ModuleLoaderTest.cpp LIBS solvane_platform recording_module_client)
add_dependencies(ModuleLoaderTest Tessmod)

add_executable(SingleInstanceProbe SingleInstanceProbe.cpp)
target_link_libraries(SingleInstanceProbe PRIVATE solvane_platform)
solvane_add_test(SingleInstanceTest SOURCES SingleInstanceTest.cpp LIBS Qt6::Core)
target_compile_definitions(SingleInstanceTest PRIVATE SINGLE_INSTANCE_PROBE="$<TARGET_FILE:SingleInstanceProbe>")
add_dependencies(SingleInstanceTest SingleInstanceProbe)

solvane_add_test(SkinPictureTest SOURCES SkinPictureTest.cpp LIBS solvane_platform)
solvane_add_test(RegionsTest SOURCES RegionsTest.cpp LIBS solvane_platform)

solvane_add_test(ContoraTest SOURCES ContoraTest.cpp LIBS solvane_platform)
add_dependencies(ContoraTest Contora)

solvane_add_test(TessmodTest SOURCES TessmodTest.cpp LIBS tessmod_tuner solvane_platform)
add_dependencies(TessmodTest Tessmod)

solvane_add_test(RecordingModuleTest SOURCES RecordingModuleTest.cpp LIBS recording_module_client)
