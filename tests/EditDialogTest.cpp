#include "DialogFixture.h"
#include "DialogPlacement.h"
#include "FileSizeLimit.h"
#include "FrequencyText.h"
#include "ListRows.h"
#include "PlatformError.h"
#include "SkinImage.h"
#include "SkinPicture.h"

#include <QDir>
#include <QLineEdit>

#include <gmock/gmock.h>

namespace {

enum Slot { Add = 0, EditButton = 1, Delete = 2, Save = 3, CancelButton = 4, PageDown = 15, PageUp = 16 };

std::vector<int> Frequencies(int count)
{
    std::vector<int> frequencies;
    for (int k = 0; k < count; ++k)
        frequencies.push_back(8800 + 30 * k);
    return frequencies;
}

std::vector<int> Listed(const RadioState& state)
{
    return std::vector<int>(state.ChannelFreq.begin() + 1, state.ChannelFreq.begin() + 1 + state.ChannelCount);
}

class EditDialogTest : public DialogFixture {
protected:
    void EditCommand(std::function<void()> inEditor)
    {
        WhenShown(edit, std::move(inEditor));
        radio->EditCommand();
    }
    void ClickSlot(int slot) { Click(edit, Inside(edit->ListRegions[slot])); }
    void ClickRow(int row) { ClickSlot(row + 4); }
    const QImage& Canvas() const { return edit->imgBackground->Canvas(); }
    bool ButtonShows(int x, int y, const char* picture) const
    {
        return CanvasShows(Canvas(), x, y, QStringLiteral("RES\\Extend\\") + QLatin1String(picture), true);
    }
    // The entry dialog, opened by the add or edit button, takes a
    // frequency typed from its first position and a name.
    void EnterChannel(const QString& typed, const QString& name)
    {
        WhenShown(entry, [this, typed, name] {
            entry->edtFreq->setCursorPosition(0);
            Type(entry->edtFreq, typed);
            entry->edtStation->setText(name);
            Key(entry->edtFreq, Qt::Key_Return);
        });
    }
};

TEST_F(EditDialogTest, NinePresetsFitOnePage)
{
    CreateWithDialogs();
    EditCommand([this] {
        EXPECT_EQ(edit->pos(), EditDialogPlace(radio->pos(), PrimaryScreenSize()));
        EXPECT_EQ(edit->ListFirstChannel, 1);
        EXPECT_EQ(edit->ListLastChannel, 9);
        EXPECT_EQ(edit->ListPageCount, 1);
        ClickSlot(PageDown);
        EXPECT_EQ(edit->ListPage, 1);
        EXPECT_TRUE(ButtonShows(295, 109, "bu_edit_n.bmp"));
        EXPECT_TRUE(ButtonShows(294, 80, "bu_add.bmp"));
        EXPECT_TRUE(ButtonShows(295, 164, "bu_save.bmp"));
        EXPECT_TRUE(ButtonShows(295, 192, "bu_cancel.bmp"));
        EXPECT_TRUE(ButtonShows(225, 245, "bu_up_n.bmp"));

        ClickRow(3);
        EXPECT_EQ(state.SelectedChannel, 3);
        EXPECT_EQ(edit->EditEnabled, 1);
        EXPECT_EQ(edit->DeleteEnabled, 0);
        EXPECT_TRUE(ButtonShows(295, 109, "bu_edit.bmp"));
        EXPECT_TRUE(ButtonShows(295, 137, "bu_del_n.bmp"));
        ClickSlot(CancelButton);
    });
}

TEST_F(EditDialogTest, DeletingRenumbersTheChannelsAndSaveWritesThem)
{
    const std::vector<int> before = Frequencies(10);
    WritePresets(ChannelSection(before) + "[Station]\n8890=Kanal Vier\n");
    CreateWithDialogs();
    const QPoint origin = radio->pos();
    EditCommand([this, &before] {
        ClickRow(4);
        EXPECT_EQ(edit->DeleteEnabled, 1);
        ClickSlot(Delete);
        EXPECT_EQ(state.ChannelCount, 9);
        EXPECT_EQ(edit->EditEnabled, 0);
        EXPECT_EQ(edit->DeleteEnabled, 0);
        std::vector<int> expected = before;
        expected.erase(expected.begin() + 3);
        EXPECT_EQ(Listed(state), expected);

        // Nine presets remain: delete stays inactive, also after a new
        // selection.
        ClickRow(1);
        EXPECT_EQ(edit->DeleteEnabled, 0);
        ClickSlot(Delete);
        EXPECT_EQ(state.ChannelCount, 9);

        ClickSlot(Save);
        EXPECT_FALSE(edit->isVisible());
        EXPECT_EQ(state.PresetListChanged, 1);
    });

    std::vector<int> expected = before;
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(ReadPresets(), ChannelSection(expected) + "[Station]\n8890=Kanal Vier\n");
    EXPECT_EQ(state.SavedChannelCount, 9);
    EXPECT_EQ(state.PresetListChanged, 0);
    // The main window's list follows.
    EXPECT_EQ(state.ChannelFreqText[4], FrequencyText(expected[3]));
    EXPECT_TRUE(FaceShows(190, 255, QStringLiteral("RES\\MainBtn\\bu_3.bmp")));
    EXPECT_EQ(radio->pos(), origin);
}

TEST_F(EditDialogTest, PagesThroughTwentyFivePresets)
{
    WritePresets(ChannelSection(Frequencies(25)));
    CreateWithDialogs();
    EditCommand([this] {
        ClickSlot(PageDown);
        ClickSlot(PageDown);
        EXPECT_EQ(edit->ListPage, 3);
        EXPECT_EQ(edit->ListFirstChannel, 21);
        EXPECT_EQ(edit->ListLastChannel, 25);
        ClickSlot(PageDown);
        EXPECT_EQ(edit->ListPage, 3);

        edit->RedrawList();
        const QImage beforeEmptyRow = Canvas();
        ClickRow(6);
        EXPECT_EQ(edit->EditEnabled, 0);
        EXPECT_EQ(Canvas(), beforeEmptyRow);

        ClickSlot(PageUp);
        ClickRow(3);
        EXPECT_EQ(state.SelectedChannel, 13);
        // The bar stands at (41, 97); the row's texts cover its left part.
        EXPECT_TRUE(CanvasShows(Canvas(), 41, 97, QStringLiteral("RES\\Extend\\bar_seleted.bmp"), false, 80));
        ClickSlot(PageUp);
        ClickSlot(PageUp);
        EXPECT_EQ(edit->ListPage, 1);
        ClickSlot(CancelButton);
    });
}

TEST_F(EditDialogTest, AddThenCancelDropsTheChannelButKeepsItsName)
{
    CreateWithDialogs();
    EditCommand([this] {
        EnterChannel(QStringLiteral("10100"), QStringLiteral("Neu"));
        ClickSlot(Add);
        EXPECT_EQ(state.ChannelCount, 10);
        EXPECT_EQ(state.ChannelFreq[10], 10100);
        EXPECT_EQ(edit->ListLastChannel, 10);
        Key(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(state.ChannelCount, 9);
    EXPECT_EQ(state.PresetListChanged, 0);
    EXPECT_EQ(ReadPresets(), QByteArray("[Station]\n10100=Neu\n"));
}

TEST_F(EditDialogTest, SaveLeavesExactlyTheListedKeys)
{
    const std::vector<int> before = Frequencies(14);
    WritePresets(ChannelSection(before));
    CreateWithDialogs();
    EditCommand([this] {
        ClickRow(1);
        ClickSlot(Delete);
        ClickRow(1);
        ClickSlot(Delete);
        ASSERT_EQ(state.ChannelCount, 12);
        Key(edit, Qt::Key_Return);
        EXPECT_FALSE(edit->isVisible());
    });
    EXPECT_EQ(ReadPresets(), ChannelSection(std::vector<int>(before.begin() + 2, before.end())));
}

TEST_F(EditDialogTest, InactiveButtonsDoNothing)
{
    CreateWithDialogs();
    EditCommand([this] {
        const QImage before = Canvas();
        Press(edit, Inside(edit->ListRegions[EditButton]));
        EXPECT_EQ(edit->ListPressed[EditButton], 0);
        EXPECT_EQ(Canvas(), before);
        Release(edit, Inside(edit->ListRegions[EditButton]));
        EXPECT_EQ(Shows(entry), 0);

        ClickRow(2);
        Press(edit, Inside(edit->ListRegions[Delete]));
        EXPECT_EQ(edit->ListPressed[Delete], 0);
        Release(edit, Inside(edit->ListRegions[Delete]));
        EXPECT_EQ(state.ChannelCount, 9);
        // The release elsewhere deselects.
        EXPECT_EQ(edit->EditEnabled, 0);
        ClickSlot(CancelButton);
    });
}

TEST_F(EditDialogTest, AClickOnAnEmptyRowClearsTheSelection)
{
    WritePresets(ChannelSection(Frequencies(25)));
    CreateWithDialogs();
    EditCommand([this] {
        ClickSlot(PageDown);
        ClickSlot(PageDown);
        ClickRow(2);
        ASSERT_EQ(edit->DeleteEnabled, 1);
        ClickRow(8);
        EXPECT_EQ(state.SelectedChannel, 0);
        EXPECT_EQ(edit->EditEnabled, 0);
        EXPECT_EQ(edit->DeleteEnabled, 0);
        ClickSlot(Delete);
        ClickSlot(EditButton);
        EXPECT_EQ(state.ChannelCount, 25);
        EXPECT_EQ(Shows(entry), 0);
        ClickSlot(CancelButton);
    });
}

TEST_F(EditDialogTest, CancelClearsASelectionTheRestoredListNoLongerHolds)
{
    WritePresets(ChannelSection(Frequencies(10)));
    CreateWithDialogs();
    EditCommand([this] {
        EnterChannel(QStringLiteral("10500"), QString());
        ClickSlot(Add);
        ClickSlot(PageDown);
        ClickRow(1);
        ASSERT_EQ(state.SelectedChannel, 11);
        ASSERT_EQ(edit->DeleteEnabled, 1);
        ClickSlot(CancelButton);
    });
    ASSERT_EQ(state.ChannelCount, 10);

    EditCommand([this] {
        EXPECT_EQ(edit->ListPage, 1);
        EXPECT_EQ(state.SelectedChannel, 0);
        EXPECT_TRUE(ButtonShows(295, 109, "bu_edit_n.bmp"));
        EXPECT_TRUE(ButtonShows(295, 137, "bu_del_n.bmp"));
        ClickSlot(Delete);
        ClickSlot(EditButton);
        EXPECT_EQ(state.ChannelCount, 10);
        EXPECT_EQ(Shows(entry), 1);
        ClickSlot(CancelButton);
    });
    EXPECT_EQ(Listed(state), Frequencies(10));
}

TEST_F(EditDialogTest, TheKeyboardReachesEveryCommand)
{
    WritePresets(ChannelSection(Frequencies(12)));
    CreateWithDialogs();
    EditCommand([this] {
        Key(edit, Qt::Key_Down);
        EXPECT_EQ(state.SelectedChannel, 1);
        for (int step = 0; step < 10; ++step)
            Key(edit, Qt::Key_Down);
        EXPECT_EQ(state.SelectedChannel, 11);
        EXPECT_EQ(edit->ListPage, 2);
        EXPECT_EQ(edit->DeleteEnabled, 1);
        Key(edit, Qt::Key_Up);
        EXPECT_EQ(state.SelectedChannel, 10);
        EXPECT_EQ(edit->ListPage, 1);

        Key(edit, Qt::Key_Delete);
        EXPECT_EQ(state.ChannelCount, 11);
        EXPECT_EQ(state.SelectedChannel, 0);

        Key(edit, Qt::Key_PageDown);
        EXPECT_EQ(edit->ListPage, 2);
        Key(edit, Qt::Key_Up);
        EXPECT_EQ(state.SelectedChannel, 11);
        EnterChannel(QStringLiteral("10700"), QString());
        Key(edit, Qt::Key_F2);
        EXPECT_EQ(state.ChannelFreq[11], 10700);

        EnterChannel(QStringLiteral("10600"), QString());
        Key(edit, Qt::Key_Insert);
        EXPECT_EQ(state.ChannelCount, 12);
        EXPECT_EQ(state.ChannelFreq[12], 10600);
        Key(edit, Qt::Key_PageUp);
        EXPECT_EQ(edit->ListPage, 1);
        Key(edit, Qt::Key_Return);
    });
    std::vector<int> expected = Frequencies(12);
    expected.erase(expected.begin() + 9);
    expected[10] = 10700;
    expected.push_back(10600);
    EXPECT_EQ(ReadPresets(), ChannelSection(expected) + "[Station]\n10700=\n10600=\n");
}

// Every way of leaving without Save is a Cancel.
struct LeaveWay {
    const char* name;
    std::function<void(TfrmEdit*)> leave;
};

void PrintTo(const LeaveWay& way, std::ostream* out)
{
    *out << way.name;
}

class EditDialogCancelTest : public EditDialogTest, public ::testing::WithParamInterface<LeaveWay> {};

TEST_P(EditDialogCancelTest, RestoresTheLastCommittedListAndWritesNothing)
{
    const QByteArray before = ChannelSection(Frequencies(12)) + "[Station]\n8800=Erste\n";
    WritePresets(before);
    CreateWithDialogs();
    const QImage faceBefore = Face().copy();
    EditCommand([this] {
        ClickRow(2);
        ClickSlot(Delete);
        ClickSlot(PageDown);
        ASSERT_EQ(edit->ListPage, 2);
        GetParam().leave(edit);
        EXPECT_FALSE(edit->isVisible());
    });

    EXPECT_EQ(ReadPresets(), before);
    EXPECT_EQ(Listed(state), Frequencies(12));
    EXPECT_EQ(edit->ListPage, 1);
    EXPECT_EQ(state.PresetListChanged, 0);
    // Nothing changes on the face but the edit button's picture.
    QImage expectedFace = faceBefore;
    DrawOpaque(expectedFace, 190, 255, Picture(QStringLiteral("RES\\MainBtn\\bu_3.bmp")));
    EXPECT_EQ(Face(), expectedFace);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EditDialogCancelTest,
    ::testing::Values(LeaveWay{"CancelButton", [](TfrmEdit* d) { DialogFixture::Click(d, DialogFixture::Inside(d->ListRegions[CancelButton])); }},
                      LeaveWay{"Escape", [](TfrmEdit* d) { DialogFixture::Key(d, Qt::Key_Escape); }},
                      LeaveWay{"WindowClose", [](TfrmEdit* d) { d->close(); }}),
    [](const ::testing::TestParamInfo<LeaveWay>& info) { return std::string(info.param.name); });

TEST_F(EditDialogTest, ARefusedSaveKeepsTheOldListWhole)
{
    WritePresets(ChannelSection(Frequencies(10)) + "[Station]\n8800=Erste\n");
    CreateWithDialogs();
    EditCommand([this] {
        EnterChannel(QStringLiteral("10500"), QStringLiteral("Neu"));
        ClickSlot(Add);
        ASSERT_EQ(state.ChannelCount, 11);

        const QByteArray before = ReadPresets();
        {
            // Room for the file as it is, not for the longer list: a Save
            // that erased the section first would stop half-way.
            const FileSizeLimit limit(static_cast<rlim_t>(before.size()));
            ClickSlot(Save);
        }
        EXPECT_TRUE(edit->isVisible());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  QStringLiteral("Unable to write to ") + AppDir() + QStringLiteral("Solvane.cfg"));
        EXPECT_EQ(ReadPresets(), before);
        EXPECT_EQ(state.PresetListChanged, 0);
        EXPECT_EQ(state.SavedChannelCount, 10);
        // No temporary file is left behind.
        EXPECT_EQ(QDir(AppDir()).entryList({QStringLiteral("Solvane*")}, QDir::Files).size(), 1);
        ClickSlot(CancelButton);
    });
    EXPECT_EQ(Listed(state), Frequencies(10));
    EXPECT_TRUE(ReadPresets().startsWith(ChannelSection(Frequencies(10))));
}

// A background that goes missing from the skin before the editor's first
// show stops the drawing with the platform's error, not the snapshot: a
// Cancel still brings back the list as it was, and a later redraw does not
// take the snapshot again.
TEST_F(EditDialogTest, AMissingBackgroundAtTheFirstShowKeepsTheListForCancel)
{
    WritePresets(ChannelSection(Frequencies(12)));
    CreateWithDialogs();
    LoseSkinPicture(QStringLiteral("RES\\Extend\\panel_edit.bmp"));
    EXPECT_THROW(edit->FormShow(), PlatformError);
    state.ChannelFreq[12] = 10500;
    EXPECT_THROW(edit->RedrawList(), PlatformError);
    Key(edit, Qt::Key_Escape);
    EXPECT_EQ(Listed(state), Frequencies(12));
}

// The main window's list follows a Save even when the edit button's
// picture has gone missing from the skin: the picture is the last step.
TEST_F(EditDialogTest, TheMainListFollowsASaveWithoutTheEditButtonsPicture)
{
    WritePresets(ChannelSection(Frequencies(10)));
    CreateWithDialogs();
    LoseSkinPicture(QStringLiteral("RES\\MainBtn\\bu_3.bmp"));
    WhenShown(edit, [this] {
        ClickRow(1);
        ClickSlot(Delete);
        ClickSlot(Save);
    });
    EXPECT_THROW(radio->EditCommand(), PlatformError);
    EXPECT_EQ(state.PresetListChanged, 0);
    EXPECT_EQ(state.ChannelFreqText[1], FrequencyText(Frequencies(10)[1]));
}

} // namespace
