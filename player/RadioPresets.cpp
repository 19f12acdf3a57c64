#include "Radio.h"

#include "DialogPlacement.h"
#include "Edit.h"
#include "Store.h"

void TfrmRadio::StoreCommand()
{
    if (m_store && m_state.ChannelCount < RadioState::MaxChannels) {
        const QSize screen = PrimaryScreenSize();
        m_state.ScreenWidth = screen.width();
        m_state.ScreenHeight = screen.height();
        m_store->move(StoreDialogPlace(pos(), screen));
        m_store->ShowModal();
        if (m_state.StoreResult == 1) {
            ClearChannelList();
            DrawChannelPage(m_state.ChannelPage);
            EraseStationName();
            ShowStationName(m_state.ChannelFreq[m_state.StoredChannel]);
        }
    }
    DrawFacePicture(156, 263, QStringLiteral("RES\\MainBtn\\bu_2_o.bmp"));
}

void TfrmRadio::EditCommand()
{
    if (m_edit) {
        const QSize screen = PrimaryScreenSize();
        m_state.ScreenWidth = screen.width();
        m_state.ScreenHeight = screen.height();
        m_edit->move(EditDialogPlace(pos(), screen));
        m_edit->ShowModal();
    }
    // The list comes before the button's picture: a picture missing from
    // the skin must not leave the face showing the list before the Save.
    if (m_state.PresetListChanged != 0) {
        ClearChannelList();
        DrawChannelPage(m_state.ChannelPage);
        m_state.CurrentFrequency = m_state.Radio.GetFrequency(0);
        EraseStationName();
        ShowStationName(m_state.CurrentFrequency);
        m_state.PresetListChanged = 0;
    }
    DrawFacePicture(190, 255, QStringLiteral("RES\\MainBtn\\bu_3.bmp"));
}
