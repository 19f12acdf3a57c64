# The generated skin tree, checked against the skin table.
solvane_add_test(SkinTest SOURCES SkinTest.cpp LIBS solvane_skintable Qt6::Gui)
add_dependencies(SkinTest solvane_skin)
