# Korvel and Marlowin: their transfer logic against in-memory devices, their
# Linux backends against a temporary sysfs and /dev tree, their export tables.

solvane_add_test(KorvelTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KorvelTest.cpp
  LIBS KorvelCore)
solvane_add_test(MarlowinTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MarlowinTest.cpp
  LIBS MarlowinCore)
solvane_add_test(KorvelLinuxTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/KorvelLinuxTest.cpp
  LIBS KorvelCore)
solvane_add_test(MarlowinLinuxTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MarlowinLinuxTest.cpp
  LIBS MarlowinCore)
