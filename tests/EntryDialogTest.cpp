#include "DialogFixture.h"
#include "DialogPlacement.h"

#include "PlatformError.h"
#include "SkinImage.h"

#include <QDir>
#include <QLineEdit>

#include <gmock/gmock.h>

namespace {

std::vector<int> Frequencies(int count)
{
    std::vector<int> frequencies;
    for (int k = 0; k < count; ++k)
        frequencies.push_back(8800 + 30 * k);
    return frequencies;
}

class EntryDialogTest : public DialogFixture {
protected:
    // Opens the entry dialog as the editor does, without the editor.
    void OpenEntry(int mode, int selected, std::function<void()> inDialog)
    {
        state.EntryMode = mode;
        state.SelectedChannel = selected;
        WhenShown(entry, std::move(inDialog));
        entry->ShowModal();
    }
    // Types into the frequency field from a digit position on (0 to 4).
    void TypeFrequency(int position, const QString& digits)
    {
        entry->edtFreq->setCursorPosition(position < 3 ? position : position + 1);
        Type(entry->edtFreq, digits);
    }
    void ClickOk() { Click(entry, Inside(entry->EntryOkRegion)); }
    void ClickCancel() { Click(entry, Inside(entry->EntryCancelRegion)); }
};

TEST_F(EntryDialogTest, AddOpensTheChannelAfterTheLastOne)
{
    CreateWithDialogs();
    OpenEntry(1, 0, [this] {
        EXPECT_EQ(state.ChannelCount, 10);
        EXPECT_EQ(entry->edtFreq->displayText(), QStringLiteral("___.__"));
        EXPECT_EQ(entry->edtStation->text(), QString());
        EXPECT_EQ(entry->edtStation->maxLength(), 20);
        EXPECT_EQ(entry->focusWidget(), entry->edtFreq);
        EXPECT_TRUE(CanvasShows(entry->imgBackground->Canvas(), 257, 75, QStringLiteral("RES\\Extend\\bu_ok.bmp"), true));
        TypeFrequency(1, QStringLiteral("8750"));
        EXPECT_EQ(entry->FrequencyValue(), QStringLiteral(" 8750"));
        Key(entry->edtFreq, Qt::Key_Tab);
        ASSERT_EQ(entry->focusWidget(), entry->edtStation);
        Type(entry->edtStation, QStringLiteral("Radio Alba"));
        ClickOk();
    });
    EXPECT_FALSE(entry->isVisible());
    EXPECT_EQ(state.ChannelCount, 10);
    EXPECT_EQ(state.ChannelFreq[10], 8750);
    EXPECT_EQ(ReadPresets(), QByteArray("[Station]\n8750=Radio Alba\n"));
}

// Every way of leaving without OK is a Cancel, which takes the added
// channel back.
struct LeaveWay {
    const char* name;
    std::function<void(TfrmEditSub*)> leave;
};

void PrintTo(const LeaveWay& way, std::ostream* out)
{
    *out << way.name;
}

class EntryDialogCancelTest : public EntryDialogTest, public ::testing::WithParamInterface<LeaveWay> {};

TEST_P(EntryDialogCancelTest, TakesTheAddedChannelBackAndWritesNothing)
{
    CreateWithDialogs();
    OpenEntry(1, 0, [this] {
        TypeFrequency(0, QStringLiteral("10100"));
        GetParam().leave(entry);
        EXPECT_FALSE(entry->isVisible());
    });
    EXPECT_EQ(state.ChannelCount, 9);
    EXPECT_EQ(ReadPresets(), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EntryDialogCancelTest,
    ::testing::Values(
        LeaveWay{"CancelButton", [](TfrmEditSub* d) { DialogFixture::Click(d, DialogFixture::Inside(d->EntryCancelRegion)); }},
        LeaveWay{"Escape", [](TfrmEditSub* d) { DialogFixture::Key(d->edtFreq, Qt::Key_Escape); }},
        LeaveWay{"WindowClose", [](TfrmEditSub* d) { d->close(); }}),
    [](const ::testing::TestParamInfo<LeaveWay>& info) { return std::string(info.param.name); });

TEST_F(EntryDialogTest, EditShowsTheChannelAndStoresTheNameUnderTheNewFrequency)
{
    std::vector<int> presets = Frequencies(9);
    presets[2] = 8750;
    const QByteArray before = ChannelSection(presets) + "[Station]\n8750=Klassik\n";
    WritePresets(before);
    CreateWithDialogs();
    OpenEntry(2, 3, [this] {
        EXPECT_EQ(entry->edtFreq->displayText(), QStringLiteral("_87.50"));
        EXPECT_EQ(entry->FrequencyValue(), QStringLiteral(" 8750"));
        EXPECT_EQ(entry->edtStation->text(), QStringLiteral("Klassik"));
        // The whole frequency is selected: typing replaces it.
        EXPECT_EQ(entry->edtFreq->selectionStart(), 0);
        Type(entry->edtFreq, QStringLiteral("10790"));
        Key(entry->edtFreq, Qt::Key_Return);
    });
    EXPECT_EQ(state.ChannelFreq[3], 10790);
    EXPECT_EQ(state.ChannelCount, 9);
    EXPECT_EQ(ReadPresets(), before + "10790=Klassik\n");
}

// With the band 87.50 to 108.00 MHz, both edges are taken; whatever lies
// outside, an empty or partly filled field included, is refused with the
// field selected for correction.
struct Entry {
    const char* name;
    int position;
    const char* typed;
    int accepted;
};

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << entry.name;
}

class EntryBandTest : public EntryDialogTest, public ::testing::WithParamInterface<Entry> {};

TEST_P(EntryBandTest, TakesOnlyFrequenciesInsideTheBand)
{
    CreateWithDialogs();
    const Entry& row = GetParam();
    OpenEntry(1, 0, [this, &row] {
        TypeFrequency(row.position, QString::fromLatin1(row.typed));
        ClickOk();
        if (row.accepted == 0) {
            EXPECT_TRUE(entry->isVisible());
            EXPECT_EQ(entry->focusWidget(), entry->edtFreq);
            EXPECT_EQ(entry->edtFreq->selectionStart(), 0);
            EXPECT_EQ(entry->edtFreq->selectionLength(), 6);
            EXPECT_EQ(ReadPresets(), QByteArray());
            ClickCancel();
        }
    });
    EXPECT_FALSE(entry->isVisible());
    if (row.accepted != 0) {
        EXPECT_EQ(state.ChannelCount, 10);
        EXPECT_EQ(state.ChannelFreq[10], row.accepted);
    } else {
        EXPECT_EQ(state.ChannelCount, 9);
    }
}

INSTANTIATE_TEST_SUITE_P(Band, EntryBandTest,
                         ::testing::Values(Entry{"LowEdge", 1, "8750", 8750},
                                           Entry{"HighEdge", 0, "10800", 10800},
                                           Entry{"LeadingZero", 0, "09630", 9630},
                                           Entry{"BelowLowEdge", 1, "8749", 0},
                                           Entry{"AboveHighEdge", 0, "10801", 0},
                                           Entry{"Empty", 0, "", 0},
                                           Entry{"OnlyTwoDigits", 0, "87", 0}),
                         [](const ::testing::TestParamInfo<Entry>& info) { return std::string(info.param.name); });

TEST_F(EntryDialogTest, EachShowStartsFromAFreshBackground)
{
    WritePresets(ChannelSection(Frequencies(9)) + "[Station]\n9010=Nordwelle Kult\n");
    CreateWithDialogs();
    OpenEntry(2, 8, [this] { ClickCancel(); });
    QImage afterEdit;
    OpenEntry(1, 0, [this, &afterEdit] {
        afterEdit = entry->imgBackground->Canvas().copy();
        ClickCancel();
    });

    TfrmEditSub fresh(state, &messages, edit);
    state.EntryMode = 1;
    QImage firstShow;
    WhenShown(&fresh, [&fresh, &firstShow] {
        firstShow = fresh.imgBackground->Canvas().copy();
        DialogFixture::Click(&fresh, DialogFixture::Inside(fresh.EntryCancelRegion));
    });
    fresh.ShowModal();
    EXPECT_EQ(firstShow, afterEdit);
}

TEST_F(EntryDialogTest, ARefusedWriteKeepsTheChannelAndTheDialogOpen)
{
    CreateWithDialogs();
    ASSERT_TRUE(QDir(AppDir()).mkpath(QStringLiteral("Solvane.cfg/inside")));
    OpenEntry(2, 4, [this] {
        Type(entry->edtFreq, QStringLiteral("10100"));
        ClickOk();
        EXPECT_TRUE(entry->isVisible());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  QStringLiteral("Unable to write to ") + AppDir() + QStringLiteral("Solvane.cfg"));
        EXPECT_EQ(state.ChannelFreq[4], 8750);
        ClickCancel();
    });
    EXPECT_EQ(state.ChannelFreq[4], 8750);
    EXPECT_EQ(state.ChannelCount, 9);
}

TEST_F(EntryDialogTest, TheEditorPlacesItAndOpensItForTheSelectedChannel)
{
    CreateWithDialogs();
    WhenShown(edit, [this] {
        Click(edit, Inside(edit->ListRegions[4 + 5]));
        WhenShown(entry, [this] {
            EXPECT_EQ(state.EntryMode, 2);
            EXPECT_EQ(entry->pos(), EntryDialogPlace(edit->pos(), PrimaryScreenSize()));
            EXPECT_EQ(entry->FrequencyValue(), QStringLiteral(" 8750"));
            TypeFrequency(0, QStringLiteral("09000"));
            ClickOk();
        });
        Click(edit, Inside(edit->ListRegions[1]));
        EXPECT_EQ(state.ChannelFreq[5], 9000);
        Key(edit, Qt::Key_Escape);
    });
    radio->EditCommand();
    EXPECT_EQ(state.ChannelFreq[5], 8750);
}

// A picture that goes missing from the skin while the program runs stops
// the handler that draws it with the platform's error; the list must stay in
// step with the dialog all the same.
TEST_F(EntryDialogTest, AMissingBackgroundAtShowStillOpensTheAddedChannel)
{
    WritePresets(ChannelSection(Frequencies(9)));
    CreateWithDialogs();
    LoseSkinPicture(QStringLiteral("RES\\Extend\\panel_bg.bmp"));
    state.EntryMode = 1;
    EXPECT_THROW(entry->FormShow(), PlatformError);
    EXPECT_EQ(state.ChannelCount, 10);

    // OK fills the channel the add opened, not the last listed one.
    TypeFrequency(1, QStringLiteral("8750"));
    Key(entry, Qt::Key_Return);
    EXPECT_EQ(state.ChannelCount, 10);
    EXPECT_EQ(state.ChannelFreq[9], Frequencies(9)[8]);
    EXPECT_EQ(state.ChannelFreq[10], 8750);
}

struct LostButton {
    const char* name;
    const char* picture;
    bool ok;
};

void PrintTo(const LostButton& button, std::ostream* out)
{
    *out << button.name;
}

class EntryLostButtonTest : public EntryDialogTest, public ::testing::WithParamInterface<LostButton> {};

TEST_P(EntryLostButtonTest, TheButtonStillActsWithoutItsPicture)
{
    CreateWithDialogs();
    OpenEntry(1, 0, [this] {
        TypeFrequency(0, QStringLiteral("10100"));
        LoseSkinPicture(QString::fromLatin1(GetParam().picture));
        const QPoint at = Inside(GetParam().ok ? entry->EntryOkRegion : entry->EntryCancelRegion);
        EXPECT_THROW(entry->imgBackgroundMouseUp(Qt::LeftButton, at.x(), at.y()), PlatformError);
        EXPECT_FALSE(entry->isVisible());
        // A case that fails must not leave the modal dialog open.
        if (entry->isVisible())
            entry->done(QDialog::Rejected);
    });
    if (GetParam().ok) {
        EXPECT_EQ(state.ChannelCount, 10);
        EXPECT_EQ(state.ChannelFreq[10], 10100);
    } else {
        EXPECT_EQ(state.ChannelCount, 9);
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, EntryLostButtonTest,
                         ::testing::Values(LostButton{"Ok", "RES\\Extend\\bu_ok.bmp", true},
                                           LostButton{"Cancel", "RES\\Extend\\bu_cancel.bmp", false}),
                         [](const ::testing::TestParamInfo<LostButton>& info) { return std::string(info.param.name); });

// The field limits what the user types, not what the file holds: a longer
// name written by hand survives an edit that leaves it alone.
TEST_F(EntryDialogTest, ALongerStoredNameIsKeptWhole)
{
    std::vector<int> presets = Frequencies(9);
    presets[2] = 8750;
    const QByteArray before = ChannelSection(presets) + "[Station]\n8750=Radio Klassik und Jazz am Abend\n";
    WritePresets(before);
    CreateWithDialogs();
    OpenEntry(2, 3, [this] {
        EXPECT_EQ(entry->edtStation->text(), QStringLiteral("Radio Klassik und Jazz am Abend"));
        Key(entry, Qt::Key_Return);
    });
    EXPECT_EQ(ReadPresets(), before);
    // The next entry is held to 20 characters again.
    OpenEntry(1, 0, [this] {
        EXPECT_EQ(entry->edtStation->maxLength(), 20);
        Key(entry, Qt::Key_Escape);
    });
}

} // namespace
