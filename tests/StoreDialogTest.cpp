#include "DialogFixture.h"
#include "DialogPlacement.h"

#include "SkinImage.h"
#include "UpDown.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <gmock/gmock.h>

namespace {

using ::testing::Contains;
using ::testing::Not;

const QString OkNormal = QStringLiteral("RES\\Extend\\bu_ok.bmp");
const QString OkDown = QStringLiteral("RES\\Extend\\bu_ok_d.bmp");
const QString CancelNormal = QStringLiteral("RES\\Extend\\bu_cancel.bmp");

std::vector<int> Frequencies(int count)
{
    std::vector<int> frequencies;
    for (int k = 0; k < count; ++k)
        frequencies.push_back(8750 + 10 * k);
    return frequencies;
}

class StoreDialogTest : public DialogFixture {
protected:
    QPoint Ok() const { return Inside(store->StoreOkRegion); }
    QPoint CancelPoint() const { return Inside(store->StoreCancelRegion); }

    // The store control's release on the face.
    void StoreCommand(std::function<void()> inDialog)
    {
        WhenShown(store, std::move(inDialog));
        radio->StoreCommand();
    }
};

TEST_F(StoreDialogTest, ProposesTheNextFreeChannelAndWrapsAtBothEnds)
{
    CreateWithDialogs();
    ASSERT_EQ(state.ChannelCount, 9);
    StoreCommand([this] {
        EXPECT_EQ(store->UDChannel->Min(), 1);
        EXPECT_EQ(store->UDChannel->Max(), 10);
        EXPECT_EQ(store->edtChannel->text(), QStringLiteral("10"));
        EXPECT_TRUE(store->edtChannel->isReadOnly());
        EXPECT_EQ(store->lblFreq->text(), QStringLiteral("87.50"));
        EXPECT_EQ(store->edtStation->maxLength(), 20);
        // Both buttons stand in their normal look before the pointer comes.
        EXPECT_TRUE(CanvasShows(store->imgBackground->Canvas(), 257, 75, OkNormal, true));
        EXPECT_TRUE(CanvasShows(store->imgBackground->Canvas(), 257, 103, CancelNormal, true));

        store->UDChannel->StepUp();
        EXPECT_EQ(store->edtChannel->text(), QStringLiteral("1"));
        store->UDChannel->StepDown();
        EXPECT_EQ(store->edtChannel->text(), QStringLiteral("10"));
        store->UDChannel->StepDown();
        EXPECT_EQ(store->edtChannel->text(), QStringLiteral("9"));
        // The arrow keys step it as well, wherever the focus is.
        Key(store->edtStation, Qt::Key_Up);
        Key(store->edtStation, Qt::Key_Up);
        EXPECT_EQ(store->UDChannel->Position(), 1);
        // The channel cannot be typed.
        Type(store->edtChannel, QStringLiteral("5"));
        EXPECT_EQ(store->edtChannel->text(), QStringLiteral("1"));
        Click(store, CancelPoint());
    });
}

TEST_F(StoreDialogTest, OkOnTheNextFreeChannelAppendsIt)
{
    CreateWithDialogs();
    module->SetTunedFrequency(9630);
    module->ClearLog();
    const QPoint origin = radio->pos();
    StoreCommand([this] {
        EXPECT_EQ(store->pos(), StoreDialogPlace(radio->pos(), PrimaryScreenSize()));
        Type(store->edtStation, QStringLiteral("City Radio"));
        Click(store, Ok());
    });

    EXPECT_FALSE(store->isVisible());
    EXPECT_EQ(ReadPresets(), QByteArray("[Channel]\n10=9630\nNum=10\n[Station]\n9630=City Radio\n"));
    EXPECT_EQ(state.ChannelCount, 10);
    EXPECT_EQ(state.ChannelFreq[10], 9630);
    EXPECT_EQ(state.StoreResult, 1);
    EXPECT_EQ(state.StoredChannel, 10);
    EXPECT_EQ(state.SavedChannelCount, 10);
    EXPECT_EQ(state.SavedChannelFreq[10], 9630);
    for (const std::string& call : ModuleLog())
        EXPECT_EQ(call.rfind("SetFrequency(", 0), std::string::npos) << call;
    // The main window shows the new channel in its list and the name.
    EXPECT_EQ(state.ChannelFreqText[10], QStringLiteral("96.30"));
    EXPECT_FALSE(FaceShows(127, 101, QStringLiteral("RES\\MainBtn\\name_mask.bmp")));
    EXPECT_TRUE(FaceShows(156, 263, QStringLiteral("RES\\MainBtn\\bu_2_o.bmp")));
    EXPECT_EQ(radio->pos(), origin);
}

TEST_F(StoreDialogTest, OkOnAnExistingChannelOverwritesItAndTellsTheModule)
{
    const QByteArray before = DialogFixture::ChannelSection(Frequencies(9)) + "[Station]\n8770=Old Name\n";
    WritePresets(before);
    CreateWithDialogs();
    module->SetTunedFrequency(10790);
    module->ClearLog();
    StoreCommand([this] {
        for (int step = 0; step < 7; ++step)
            store->UDChannel->StepDown();
        ASSERT_EQ(store->UDChannel->Position(), 3);
        Type(store->edtStation, QStringLiteral("Jazz"));
        Key(store->edtStation, Qt::Key_Return);
    });

    QByteArray after = before;
    after.replace("3=8770", "3=10790");
    after += "10790=Jazz\n";
    EXPECT_EQ(ReadPresets(), after);
    EXPECT_EQ(state.ChannelCount, 9);
    EXPECT_EQ(state.ChannelFreq[3], 10790);
    EXPECT_EQ(state.StoredChannel, 3);
    EXPECT_EQ(state.StoreResult, 1);
    EXPECT_THAT(ModuleLog(), Contains("SetFrequency(3, 10790)"));
}

TEST_F(StoreDialogTest, AnEmptyNameErasesTheStoredOne)
{
    WritePresets(DialogFixture::ChannelSection(Frequencies(9)) + "[Station]\n9630=City Radio\n");
    CreateWithDialogs();
    module->SetTunedFrequency(9630);
    StoreCommand([this] { Click(store, Ok()); });

    EXPECT_TRUE(ReadPresets().contains("\n9630=\n"));
    EXPECT_FALSE(ReadPresets().contains("City Radio"));
    EXPECT_TRUE(FaceShows(127, 101, QStringLiteral("RES\\MainBtn\\name_mask.bmp")));
}

// Every way of leaving without OK is a Cancel.
struct CancelWay {
    const char* name;
    std::function<void(TfrmStore*, QPoint cancel)> leave;
};

void PrintTo(const CancelWay& way, std::ostream* out)
{
    *out << way.name;
}

class StoreDialogCancelTest : public StoreDialogTest, public ::testing::WithParamInterface<CancelWay> {};

TEST_P(StoreDialogCancelTest, WritesNothingAndKeepsThePresets)
{
    const QByteArray before = DialogFixture::ChannelSection(Frequencies(9));
    WritePresets(before);
    CreateWithDialogs();
    state.StoredChannel = 4;
    module->ClearLog();
    StoreCommand([this] {
        Type(store->edtStation, QStringLiteral("Never"));
        GetParam().leave(store, CancelPoint());
    });

    EXPECT_FALSE(store->isVisible());
    EXPECT_EQ(ReadPresets(), before);
    EXPECT_EQ(state.StoreResult, 2);
    EXPECT_EQ(state.StoredChannel, 4);
    EXPECT_EQ(state.ChannelCount, 9);
    EXPECT_THAT(ModuleLog(), Not(Contains("SetFrequency(10, 8750)")));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StoreDialogCancelTest,
    ::testing::Values(CancelWay{"CancelButton", [](TfrmStore* d, QPoint at) { DialogFixture::Click(d, at); }},
                      CancelWay{"Escape", [](TfrmStore* d, QPoint) { DialogFixture::Key(d->edtStation, Qt::Key_Escape); }},
                      CancelWay{"WindowClose", [](TfrmStore* d, QPoint) { d->close(); }}),
    [](const ::testing::TestParamInfo<CancelWay>& info) { return std::string(info.param.name); });

TEST_F(StoreDialogTest, AReleaseOutsideBothButtonsOnlyRedrawsThem)
{
    CreateWithDialogs();
    StoreCommand([this] {
        Press(store, Ok());
        EXPECT_TRUE(CanvasShows(store->imgBackground->Canvas(), 257, 75, OkDown, true));
        Release(store, QPoint(20, 200));
        EXPECT_TRUE(store->isVisible());
        EXPECT_TRUE(CanvasShows(store->imgBackground->Canvas(), 257, 75, OkNormal, true));
        EXPECT_TRUE(CanvasShows(store->imgBackground->Canvas(), 257, 103, CancelNormal, true));
        // The press is not forgotten: hovering OK again shows it pressed.
        EXPECT_EQ(store->StoreOkPressed, 1);
        Move(store, Ok());
        EXPECT_TRUE(CanvasShows(store->imgBackground->Canvas(), 257, 75, OkDown, true));
        Click(store, CancelPoint());
    });
    EXPECT_EQ(ReadPresets(), QByteArray());
    EXPECT_EQ(state.ChannelCount, 9);
}

TEST_F(StoreDialogTest, FillsTheLastSlotAndThenOpensNoMore)
{
    WritePresets(DialogFixture::ChannelSection(Frequencies(59)));
    CreateWithDialogs();
    StoreCommand([this] {
        EXPECT_EQ(store->UDChannel->Position(), 60);
        EXPECT_EQ(store->UDChannel->Max(), 60);
        Click(store, Ok());
    });
    EXPECT_EQ(state.ChannelCount, 60);
    EXPECT_TRUE(ReadPresets().contains("\nNum=60\n"));
    EXPECT_EQ(Shows(store), 1);

    radio->DrawFacePicture(156, 263, QStringLiteral("RES\\MainBtn\\bu_2.bmp"));
    const QByteArray full = ReadPresets();
    radio->StoreCommand();
    EXPECT_EQ(Shows(store), 1);
    EXPECT_EQ(ReadPresets(), full);
    EXPECT_TRUE(FaceShows(156, 263, QStringLiteral("RES\\MainBtn\\bu_2_o.bmp")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StoreDialogTest, ARefusedWriteIsShownAndTheDialogStaysOpen)
{
    CreateWithDialogs();
    ASSERT_TRUE(QDir(AppDir()).mkpath(QStringLiteral("Solvane.cfg/inside")));
    StoreCommand([this] {
        Click(store, Ok());
        EXPECT_TRUE(store->isVisible());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("Unable to write to ") + AppDir() + QStringLiteral("Solvane.cfg"));
        Click(store, CancelPoint());
    });
    EXPECT_EQ(state.ChannelCount, 9);
    EXPECT_EQ(state.StoreResult, 2);
}

// The dialog opens below the main window's buttons and is pulled back
// onto the screen near its right and bottom edges.
struct Placement {
    const char* name;
    QPoint (*place)(QPoint, QSize);
    QPoint opener;
    QSize screen;
    QPoint expected;
};

void PrintTo(const Placement& placement, std::ostream* out)
{
    *out << placement.name;
}

class DialogPlacementTest : public ::testing::TestWithParam<Placement> {};

TEST_P(DialogPlacementTest, FollowsTheOpenerAndStaysOnScreen)
{
    const Placement& p = GetParam();
    EXPECT_EQ(p.place(p.opener, p.screen), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DialogPlacementTest,
    ::testing::Values(
        Placement{"StoreRoomy", StoreDialogPlace, {200, 100}, {1024, 768}, {300, 430}},
        Placement{"StoreBottomEdge", StoreDialogPlace, {200, 300}, {1024, 768}, {300, 548}},
        Placement{"StoreJustEnoughBelow", StoreDialogPlace, {200, 298}, {1024, 768}, {300, 628}},
        Placement{"StoreRightEdge", StoreDialogPlace, {700, 100}, {1024, 768}, {724, 430}},
        Placement{"StoreJustEnoughRight", StoreDialogPlace, {624, 100}, {1024, 768}, {724, 430}},
        Placement{"EditRoomy", EditDialogPlace, {200, 100}, {1024, 768}, {200, 350}},
        Placement{"EditBottomEdge", EditDialogPlace, {200, 300}, {1024, 768}, {200, 468}},
        Placement{"EditRightEdge", EditDialogPlace, {700, 100}, {1024, 768}, {674, 350}},
        Placement{"EntryRoomy", EntryDialogPlace, {100, 100}, {1024, 768}, {450, 150}},
        Placement{"EntryBothEdges", EntryDialogPlace, {400, 500}, {1024, 768}, {674, 518}}),
    [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

} // namespace

// The session may end while the dialog is open: the dialog is cancelled and
// the radio closes, so nothing keeps the program running.
TEST_F(StoreDialogTest, SessionEndCancelsTheOpenDialogAndClosesTheRadio)
{
    CreateWithDialogs();
    StoreCommand([this] { radio->QueryEndSession(); });
    EXPECT_FALSE(store->isVisible());
    EXPECT_EQ(state.StoreResult, 2);
    EXPECT_FALSE(radio->isVisible());
    EXPECT_TRUE(ReadPresets().contains("LastChannel="));
    EXPECT_EQ(ReadPresets().count("[Channel]"), 0) << "nothing was stored";
}
