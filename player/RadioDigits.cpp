#include "Radio.h"

#include "DigitText.h"
#include "SkinImage.h"
#include "SkinPicture.h"

void TfrmRadio::DrawDigitText(int x, int y, const QString& text, const QString& size, int cells)
{
    for (const DigitCell& cell : DigitTextLayout(x, text, size, cells, DigitBlank::Display)) {
        DrawKeyedFacePicture(cell.x, y, cell.blankFile);
        DrawKeyedFacePicture(cell.x, y, cell.glyphFile);
    }
}

void TfrmRadio::DrawDigitText2(int x, int y, const QString& text, const QString& size, int cells)
{
    for (const DigitCell& cell : DigitTextLayout(x, text, size, cells, DigitBlank::Background)) {
        DrawKeyedFacePicture(cell.x, y, cell.blankFile);
        DrawKeyedFacePicture(cell.x, y, cell.glyphFile);
    }
}

void TfrmRadio::tmrTimeTimer()
{
    const QString now = m_services.Now().toString(QStringLiteral("hh:mm:ss"));
    DrawDigitText2(254, 223, now.mid(0, 2), QStringLiteral("S"), 2);
    DrawDigitText2(274, 223, now.mid(3, 2), QStringLiteral("S"), 2);
    DrawDigitText2(294, 223, now.mid(6, 2), QStringLiteral("S"), 2);
}
