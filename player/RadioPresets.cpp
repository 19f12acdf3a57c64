#include "Radio.h"

// The store and edit commands open the preset dialogs; until the dialogs
// exist they only repaint their control.
void TfrmRadio::StoreCommand()
{
    DrawFacePicture(156, 263, QStringLiteral("RES\\MainBtn\\bu_2_o.bmp"));
}

void TfrmRadio::EditCommand()
{
    DrawFacePicture(190, 255, QStringLiteral("RES\\MainBtn\\bu_3_o.bmp"));
}
