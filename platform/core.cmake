# Libraries, single instance, pictures and regions: the Linux backends.
target_sources(solvane_platform PRIVATE
  ModuleLoaderLinux.cpp
  RadioModuleApi.cpp
  SingleInstanceLinux.cpp
  SkinPicture.cpp
  Regions.cpp)
target_link_libraries(solvane_platform PRIVATE ${CMAKE_DL_LIBS})
