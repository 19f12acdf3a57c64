#pragma once

#include "SkinDialog.h"

#include <array>
#include <cstdint>

class TfrmEditSub;

// The station list editor: shows the presets ten a page (channel number,
// frequency, station name), lets the user select a row, add a channel,
// edit or delete the selected one and page through the list, then either
// save the whole list to the preset file or cancel every change since the
// last save. It works on the presets in memory and keeps a snapshot of the
// last committed list (SavedChannelCount, SavedChannelFreq) for Cancel.
// After Save, PresetListChanged tells the main window to redraw its list.
// Keyboard: Up and Down move the selection, Page Up and Page Down page,
// Insert adds, F2 edits, Delete deletes, Enter saves, Escape cancels.
class TfrmEdit : public SkinDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 417;
    static constexpr int ClientHeight = 342;
    static constexpr int ListSlotCount = 17;

    TfrmEdit(RadioState& state, UserMessages* messages, QWidget* parent = nullptr);

    // The entry dialog that adds or changes one channel; created after
    // the editor.
    void SetEntryDialog(TfrmEditSub* entry);

    // Form events, handlers and routines; x and y are picture coordinates
    // and the mouse button is not looked at.
    void FormShow() override;
    void RedrawList();
    void DrawListRow(int channel);
    void imgBackgroundMouseMove(int x, int y);
    void imgBackgroundMouseDown(Qt::MouseButton button, int x, int y);
    void imgBackgroundMouseUp(Qt::MouseButton button, int x, int y);

    // State of the editor. Slots of ListRegions and ListPressed: 0 add,
    // 1 edit, 2 delete, 3 save, 4 cancel, 5 to 14 list rows 1 to 10, 15
    // page down, 16 page up.
    std::array<QRegion, ListSlotCount> ListRegions;
    std::array<std::uint8_t, ListSlotCount> ListPressed{};
    std::uint8_t EditEnabled = 0;
    std::uint8_t DeleteEnabled = 0;
    std::uint8_t ListFirstShow = 1;
    int ListPage = 1;
    int ListPageCount = 0;
    int ListFirstChannel = 1;
    int ListLastChannel = 0;

protected:
    void OkKey() override;
    void Cancel() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DrawNormalButtons();
    bool SlotHit(int slot, int x, int y);
    bool SelectionListed() const;
    void SelectRow(int row);
    void SelectChannel(int channel);
    void AddChannel();
    void EditSelected();
    void NextPage();
    void PreviousPage();
    void ClearSelection();
    void OpenEntryDialog(int mode);
    void DeleteSelected();
    void Save();
    void TakeSnapshot();

    TfrmEditSub* m_entry = nullptr;
};
