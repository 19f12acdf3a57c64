# The station preset dialogs: the store dialog, the station list editor and
# the channel entry dialog, driven through their handlers on the recording
# module, plus their pure layout and parsing rules.
add_library(dialog_fixture STATIC DialogFixture.cpp)
target_link_libraries(dialog_fixture PUBLIC radio_fixture)

solvane_add_test(EntryFrequencyTest SOURCES EntryFrequencyTest.cpp LIBS solvane_windows)
solvane_add_test(StoreDialogTest GUI SOURCES StoreDialogTest.cpp LIBS dialog_fixture)
solvane_add_test(EditDialogTest GUI SOURCES EditDialogTest.cpp LIBS dialog_fixture)
solvane_add_test(EntryDialogTest GUI SOURCES EntryDialogTest.cpp LIBS dialog_fixture)
