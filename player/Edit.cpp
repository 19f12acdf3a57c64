#include "Edit.h"

#include "DialogPlacement.h"
#include "Editsub.h"
#include "ListRows.h"
#include "PlatformError.h"
#include "PresetFile.h"
#include "Regions.h"
#include "SkinImage.h"
#include "SkinPicture.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

enum Slot {
    Add = 0,
    EditButton = 1,
    Delete = 2,
    SaveButton = 3,
    CancelButton = 4,
    FirstRow = 5,
    LastRow = 14,
    PageDown = 15,
    PageUp = 16,
};

struct ButtonLooks {
    int x;
    int y;
    const char* base;
    bool keyed;
};

// Where each button slot is drawn and the base name of its pictures.
ButtonLooks Looks(int slot)
{
    switch (slot) {
    case Add: return {294, 80, "bu_add", true};
    case EditButton: return {295, 109, "bu_edit", true};
    case Delete: return {295, 137, "bu_del", true};
    case SaveButton: return {295, 164, "bu_save", true};
    case CancelButton: return {295, 192, "bu_cancel", true};
    case PageDown: return {256, 245, "bu_dn", false};
    default: return {225, 245, "bu_up", false};
    }
}

QString Extend(const char* base, const char* look)
{
    return QStringLiteral("RES\\Extend\\") + QLatin1String(base) + QLatin1String(look) + QStringLiteral(".bmp");
}

constexpr int BarX = 41;
constexpr int NumberX = 46;
constexpr int FrequencyX = 76;
constexpr int NameX = 156;

}

TfrmEdit::TfrmEdit(RadioState& state, UserMessages* messages, QWidget* parent)
    : SkinDialog(state, messages, parent, QSize(ClientWidth, ClientHeight))
{
    setWindowTitle(QStringLiteral("Edit Channel"));
    imgBackground->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseDown(b, x, y); };
    imgBackground->OnMouseMove = [this](int x, int y) { imgBackgroundMouseMove(x, y); };
    imgBackground->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { imgBackgroundMouseUp(b, x, y); };

    LoadBackground(QStringLiteral("RES\\Extend\\panel_edit.bmp"));
    ShapeWindow();

    const QImage buttonMask = LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\Extend\\bu_mask.bmp"));
    for (int slot = Add; slot <= CancelButton; ++slot)
        ListRegions[slot] = ControlRegion(buttonMask, Looks(slot).x, Looks(slot).y);
    const QImage barMask = LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\Extend\\bar_mask.bmp"));
    for (int slot = FirstRow; slot <= LastRow; ++slot)
        ListRegions[slot] = ControlRegion(barMask, BarX, ListRowBarTop(slot - FirstRow + 1));
    ListRegions[PageDown] = ControlRegion(
        LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\Extend\\bu_dn_mask.bmp")), Looks(PageDown).x,
        Looks(PageDown).y);
    ListRegions[PageUp] = ControlRegion(LoadSkinPicture(m_state.AppDir, QStringLiteral("RES\\Extend\\bu_up_mask.bmp")),
                                        Looks(PageUp).x, Looks(PageUp).y);
    ListFirstChannel = 1;
    ListPage = 1;
}

void TfrmEdit::SetEntryDialog(TfrmEditSub* entry)
{
    m_entry = entry;
}

void TfrmEdit::FormShow()
{
    RedrawList();
}

void TfrmEdit::TakeSnapshot()
{
    for (int i = 1; i <= m_state.ChannelCount; ++i)
        m_state.SavedChannelFreq[i] = m_state.ChannelFreq[i];
    m_state.SavedChannelCount = m_state.ChannelCount;
}

void TfrmEdit::RedrawList()
{
    // The snapshot and the page come before any drawing: a picture missing
    // from the skin stops the drawing, and Cancel must still find the list
    // as it was when the editor first opened.
    if (ListFirstShow) {
        TakeSnapshot();
        ListLastChannel = std::min(m_state.ChannelCount, ListRowsPerPage);
        ListPageCount = ListPageCountFor(m_state.ChannelCount);
    } else {
        ListFirstChannel = ListChannelOfRow(ListPage, 1);
        ListLastChannel = std::min(ListPage * ListRowsPerPage, m_state.ChannelCount);
    }
    ListFirstShow = 0;

    LoadBackground(QStringLiteral("RES\\Extend\\panel_edit.bmp"));
    WriteText(182, 10, QStringLiteral("Edit Channel"), ArialFont(12, true), PaleCyan);
    const QFont headings = ArialFont(11);
    WriteText(70, 44, QStringLiteral("Frequency"), headings, Qt::black);
    WriteText(170, 44, QStringLiteral("Station Name"), headings, Qt::black);

    DrawKeyedPicture(295, 109, Extend("bu_edit", EditEnabled ? "" : "_n"));
    DrawKeyedPicture(295, 137, Extend("bu_del", DeleteEnabled ? "" : "_n"));
    // The background holds none of the buttons that never change state
    // either: they are drawn in their normal look with the list.
    DrawNormalButtons();

    for (int channel = ListFirstChannel; channel <= ListLastChannel; ++channel)
        DrawListRow(channel);
}

void TfrmEdit::DrawListRow(int channel)
{
    const PresetFile presets(m_state.AppDir + QStringLiteral("Solvane.cfg"));
    const int y = ListRowTextTop(channel);
    const int frequency = m_state.ChannelFreq[channel];
    const QFont font = ArialFont(11);
    WriteText(NumberX, y, ListNumberText(channel), font, DarkBlue);
    WriteText(FrequencyX, y, ListFrequencyText(frequency), font, DarkBlue);
    WriteText(NameX, y, presets.ReadString(QStringLiteral("Station"), QString::number(frequency), QString()), font,
              DarkBlue);
}

bool TfrmEdit::SlotHit(int slot, int x, int y)
{
    return PtInRegion(&ListRegions[slot], x, y);
}

bool TfrmEdit::SelectionListed() const
{
    return m_state.SelectedChannel >= 1 && m_state.SelectedChannel <= m_state.ChannelCount;
}

void TfrmEdit::imgBackgroundMouseMove(int x, int y)
{
    for (int slot : {Add, EditButton, Delete, SaveButton, CancelButton, PageDown, PageUp}) {
        if (!SlotHit(slot, x, y))
            continue;
        // An inactive edit or delete button has no hover look.
        if ((slot == EditButton && !EditEnabled) || (slot == Delete && !DeleteEnabled))
            continue;
        const ButtonLooks looks = Looks(slot);
        const QString picture = Extend(looks.base, ListPressed[slot] ? "_d" : "_o");
        if (looks.keyed)
            DrawKeyedPicture(looks.x, looks.y, picture);
        else
            DrawPicture(looks.x, looks.y, picture);
        return;
    }
    if (EditEnabled)
        DrawKeyedPicture(295, 109, Extend("bu_edit", ""));
    if (DeleteEnabled)
        DrawKeyedPicture(295, 137, Extend("bu_del", ""));
    DrawNormalButtons();
}

void TfrmEdit::DrawNormalButtons()
{
    DrawKeyedPicture(294, 80, Extend("bu_add", ""));
    DrawKeyedPicture(295, 164, Extend("bu_save", ""));
    DrawKeyedPicture(295, 192, Extend("bu_cancel", ""));
    DrawKeyedPicture(256, 245, Extend("bu_dn", "_n"));
    DrawKeyedPicture(225, 245, Extend("bu_up", "_n"));
}

void TfrmEdit::imgBackgroundMouseDown(Qt::MouseButton, int x, int y)
{
    for (int slot : {Add, EditButton, Delete, SaveButton, CancelButton, PageDown, PageUp}) {
        if (!SlotHit(slot, x, y))
            continue;
        if ((slot == EditButton && !EditEnabled) || (slot == Delete && !DeleteEnabled))
            continue;
        const ButtonLooks looks = Looks(slot);
        if (looks.keyed)
            DrawKeyedPicture(looks.x, looks.y, Extend(looks.base, "_d"));
        else
            DrawPicture(looks.x, looks.y, Extend(looks.base, "_d"));
        ListPressed[slot] = 1;
        return;
    }
}

void TfrmEdit::imgBackgroundMouseUp(Qt::MouseButton, int x, int y)
{
    for (int slot = FirstRow; slot <= LastRow; ++slot) {
        if (SlotHit(slot, x, y)) {
            SelectRow(slot - FirstRow + 1);
            return;
        }
    }
    if (SlotHit(Add, x, y)) {
        ListPressed[Add] = 0;
        AddChannel();
    } else if (SlotHit(EditButton, x, y) && EditEnabled && SelectionListed()) {
        ListPressed[EditButton] = 0;
        EditSelected();
    } else if (SlotHit(Delete, x, y) && DeleteEnabled && SelectionListed()) {
        ListPressed[Delete] = 0;
        DeleteSelected();
    } else if (SlotHit(SaveButton, x, y)) {
        ListPressed[SaveButton] = 0;
        Save();
    } else if (SlotHit(CancelButton, x, y)) {
        ListPressed[CancelButton] = 0;
        Cancel();
    } else if (SlotHit(PageDown, x, y)) {
        NextPage();
        ListPressed[PageDown] = 0;
    } else if (SlotHit(PageUp, x, y)) {
        PreviousPage();
        ListPressed[PageUp] = 0;
    } else {
        ClearSelection();
        RedrawList();
    }
}

void TfrmEdit::AddChannel()
{
    if (m_state.ChannelCount < RadioState::MaxChannels)
        OpenEntryDialog(1);
    DrawKeyedPicture(294, 80, Extend("bu_add", ""));
    ClearSelection();
    RedrawList();
}

void TfrmEdit::EditSelected()
{
    OpenEntryDialog(2);
    DrawKeyedPicture(295, 109, Extend("bu_edit", ""));
    ClearSelection();
    RedrawList();
}

void TfrmEdit::NextPage()
{
    ListPageCount = ListPageCountFor(m_state.ChannelCount);
    if (ListPage < ListPageCount) {
        ++ListPage;
        ClearSelection();
        RedrawList();
    }
}

void TfrmEdit::PreviousPage()
{
    if (ListPage > 1) {
        --ListPage;
        ClearSelection();
        RedrawList();
    }
}

void TfrmEdit::SelectChannel(int channel)
{
    if (channel < 1 || channel > m_state.ChannelCount)
        return;
    ListPage = (channel - 1) / ListRowsPerPage + 1;
    SelectRow(channel - ListChannelOfRow(ListPage, 0));
}

void TfrmEdit::keyPressEvent(QKeyEvent* event)
{
    // The keyboard reaches every command of the mouse: the arrows move the
    // selection (across pages), the page keys page, Insert adds, F2 edits
    // and Delete deletes the selected channel.
    const bool listed = SelectionListed() && EditEnabled;
    switch (event->key()) {
    case Qt::Key_Down:
        SelectChannel(listed ? m_state.SelectedChannel + 1 : ListChannelOfRow(ListPage, 1));
        break;
    case Qt::Key_Up:
        SelectChannel(listed ? m_state.SelectedChannel - 1 : std::min(ListLastChannel, m_state.ChannelCount));
        break;
    case Qt::Key_PageDown:
        NextPage();
        break;
    case Qt::Key_PageUp:
        PreviousPage();
        break;
    case Qt::Key_Insert:
        AddChannel();
        break;
    case Qt::Key_F2:
        if (listed)
            EditSelected();
        break;
    case Qt::Key_Delete:
        if (DeleteEnabled && SelectionListed())
            DeleteSelected();
        break;
    default:
        SkinDialog::keyPressEvent(event);
    }
}

void TfrmEdit::SelectRow(int row)
{
    const int channel = ListChannelOfRow(ListPage, row);
    if (channel > m_state.ChannelCount) {
        // An empty row: nothing is selected any more, so edit and delete
        // cannot act on a channel outside the list.
        ClearSelection();
        RedrawList();
        return;
    }
    m_state.SelectedChannel = channel;
    EditEnabled = 1;
    if (m_state.ChannelCount > 9)
        DeleteEnabled = 1;
    RedrawList();
    DrawPicture(BarX, ListRowBarTop(row), QStringLiteral("RES\\Extend\\bar_seleted.bmp"));
    DrawListRow(channel);
}

void TfrmEdit::ClearSelection()
{
    m_state.SelectedChannel = 0;
    EditEnabled = 0;
    DeleteEnabled = 0;
}

void TfrmEdit::OpenEntryDialog(int mode)
{
    if (!m_entry)
        return;
    const QSize screen = PrimaryScreenSize();
    m_state.ScreenWidth = screen.width();
    m_state.ScreenHeight = screen.height();
    m_state.EntryMode = mode;
    m_entry->move(EntryDialogPlace(pos(), screen));
    m_entry->ShowModal();
}

void TfrmEdit::DeleteSelected()
{
    // The list never drops below 9 presets through the editor.
    if (m_state.ChannelCount <= 9)
        return;
    for (int j = m_state.SelectedChannel; j < m_state.ChannelCount; ++j)
        m_state.ChannelFreq[j] = m_state.ChannelFreq[j + 1];
    --m_state.ChannelCount;
    ClearSelection();
    RedrawList();
}

void TfrmEdit::Save()
{
    PresetFile::Entries channels;
    channels.append({QStringLiteral("Num"), QString::number(m_state.ChannelCount)});
    for (int k = 1; k <= m_state.ChannelCount; ++k)
        channels.append({QString::number(k), QString::number(m_state.ChannelFreq[k])});
    try {
        // One replace of the whole file: a refused or interrupted Save
        // leaves the old list whole.
        PresetFile(m_state.AppDir + QStringLiteral("Solvane.cfg")).ReplaceSection(QStringLiteral("Channel"), channels);
    } catch (const PlatformError& error) {
        ShowError(error);
        return;
    }
    m_state.PresetListChanged = 1;
    TakeSnapshot();
    Close();
}

void TfrmEdit::OkKey()
{
    Save();
}

void TfrmEdit::Cancel()
{
    ListPage = 1;
    m_state.ChannelCount = m_state.SavedChannelCount;
    for (int m = 1; m <= m_state.ChannelCount; ++m)
        m_state.ChannelFreq[m] = m_state.SavedChannelFreq[m];
    // The restored list may be shorter than a selection made in it.
    ClearSelection();
    Close();
}
