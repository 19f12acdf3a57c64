#include "SkinDialog.h"

#include "Regions.h"
#include "SkinImage.h"
#include "SkinPicture.h"
#include "UserMessages.h"

#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>

namespace {

// The colour outside a dialog's shape, fixed whatever the key colour.
constexpr std::uint32_t DialogShapeKey = 0x00FFBDFF;

}

SkinDialog::SkinDialog(RadioState& state, UserMessages* messages, QWidget* parent, QSize client)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state), m_messages(messages)
{
    setFixedSize(client);
    setModal(true);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    setFont(font);
    imgBackground = new SkinImage(this);
    imgBackground->move(0, 0);
}

void SkinDialog::ShowModal()
{
    exec();
}

void SkinDialog::reject()
{
    Cancel();
}

void SkinDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (visible)
        FocusFirstField();
}

void SkinDialog::Close()
{
    done(QDialog::Accepted);
}

void SkinDialog::LoadBackground(const QString& resPath)
{
    imgBackground->SetPicture(LoadSkinPicture(m_state.AppDir, resPath));
}

void SkinDialog::DrawPicture(int x, int y, const QString& resPath)
{
    DrawOpaque(imgBackground->Canvas(), x, y, LoadSkinPicture(m_state.AppDir, resPath));
    imgBackground->Changed();
}

void SkinDialog::DrawKeyedPicture(int x, int y, const QString& resPath)
{
    DrawKeyed(imgBackground->Canvas(), x, y, LoadSkinPicture(m_state.AppDir, resPath), TransparentKey());
    imgBackground->Changed();
}

const QColor SkinDialog::PaleCyan(215, 255, 255);
const QColor SkinDialog::LightCyan(128, 255, 255);
const QColor SkinDialog::DarkBlue(19, 100, 149);

void SkinDialog::FollowOkCancel(const OkCancelButtons& buttons, int x, int y)
{
    if (PtInRegion(&buttons.ok, x, y)) {
        DrawKeyedPicture(OkPlace.x(), OkPlace.y(),
                         buttons.okPressed ? QStringLiteral("RES\\Extend\\bu_ok_d.bmp")
                                           : QStringLiteral("RES\\Extend\\bu_ok_o.bmp"));
    } else if (PtInRegion(&buttons.cancel, x, y)) {
        DrawKeyedPicture(CancelPlace.x(), CancelPlace.y(),
                         buttons.cancelPressed ? QStringLiteral("RES\\Extend\\bu_cancel_d.bmp")
                                               : QStringLiteral("RES\\Extend\\bu_cancel_o.bmp"));
    } else {
        DrawOkNormal();
        DrawCancelNormal();
    }
}

void SkinDialog::PressOkCancel(const OkCancelButtons& buttons, int x, int y)
{
    if (PtInRegion(&buttons.ok, x, y)) {
        DrawKeyedPicture(OkPlace.x(), OkPlace.y(), QStringLiteral("RES\\Extend\\bu_ok_d.bmp"));
        buttons.okPressed = 1;
    } else if (PtInRegion(&buttons.cancel, x, y)) {
        DrawKeyedPicture(CancelPlace.x(), CancelPlace.y(), QStringLiteral("RES\\Extend\\bu_cancel_d.bmp"));
        buttons.cancelPressed = 1;
    }
}

void SkinDialog::DrawOkNormal()
{
    DrawKeyedPicture(OkPlace.x(), OkPlace.y(), QStringLiteral("RES\\Extend\\bu_ok.bmp"));
}

void SkinDialog::DrawCancelNormal()
{
    DrawKeyedPicture(CancelPlace.x(), CancelPlace.y(), QStringLiteral("RES\\Extend\\bu_cancel.bmp"));
}

void SkinDialog::WriteText(int x, int y, const QString& text, const QFont& font, const QColor& colour)
{
    QImage& canvas = imgBackground->Canvas();
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(x, y, canvas.width() - x, canvas.height() - y),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    imgBackground->Changed();
}

QFont SkinDialog::ArialFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SkinDialog::ShapeWindow()
{
    if (!m_state.GetPictureRegion)
        return;
    const std::unique_ptr<QRegion> shape(m_state.GetPictureRegion(&imgBackground->Canvas(), DialogShapeKey, 0));
    SetWindowRgn(this, shape.get());
}

QRegion SkinDialog::ControlRegion(const QImage& mask, int x, int y) const
{
    if (!m_state.GetPictureRegion)
        return QRegion();
    const std::unique_ptr<QRegion> region(m_state.GetPictureRegion(&mask, m_state.TransparentColor, 0));
    if (!region)
        return QRegion();
    OffsetRgn(region.get(), x, y);
    return *region;
}

void SkinDialog::ShowError(const std::exception& error)
{
    if (m_messages)
        m_messages->Show({QString::fromUtf8(error.what()), QString::fromLatin1(ApplicationTitle), MessageIcon::Stop});
}

void SkinDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void SkinDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OkKey();
        break;
    case Qt::Key_Escape:
        reject();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}
