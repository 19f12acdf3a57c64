#pragma once

#include "RadioState.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <exception>
#include <memory>

class SkinImage;
class UserMessages;

// What the three preset dialogs share: a borderless modal window shaped by
// its background picture, one face picture that takes every drawing and
// every mouse event, and the keyboard: Enter acts as the dialog's OK (Save
// in the station list editor), Escape and a close by the window system act
// as its Cancel.
class SkinDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally; returns once it has closed.
    void ShowModal();

    SkinImage* imgBackground = nullptr;

    // The dialog's Cancel, also for Escape and the window system's close.
    void reject() override;
    void setVisible(bool visible) override;

protected:
    SkinDialog(RadioState& state, UserMessages* messages, QWidget* parent, QSize client);

    // Runs each time the dialog is shown.
    virtual void FormShow() = 0;
    // Puts the input focus where the user types first, once the dialog
    // stands on the screen (showing it hands the focus round first).
    virtual void FocusFirstField() {}
    // What Enter does: the dialog's OK.
    virtual void OkKey() = 0;
    // The dialog's Cancel; it closes the dialog.
    virtual void Cancel() = 0;

    // Ends the dialog: ShowModal returns.
    void Close();

    // The face picture becomes the picture from the file, which wipes
    // whatever was drawn on it.
    void LoadBackground(const QString& resPath);
    void DrawPicture(int x, int y, const QString& resPath);
    void DrawKeyedPicture(int x, int y, const QString& resPath);
    // Text with the top-left of its cell at (x, y), without a background.
    void WriteText(int x, int y, const QString& text, const QFont& font, const QColor& colour);
    static QFont ArialFont(int pixelSize, bool bold = false);

    // The window shows only the pixels of the face picture that are not of
    // the colour 0xFFBDFF.
    void ShapeWindow();
    // The hit region of a control: the mask's pixels that are not the key
    // colour, moved to the control's place.
    QRegion ControlRegion(const QImage& mask, int x, int y) const;

    // The colours the dialogs write and fill with.
    static const QColor PaleCyan;  // titles
    static const QColor LightCyan; // input fields
    static const QColor DarkBlue;  // values
    // The longest station name the dialogs take.
    static constexpr int StationNameLength = 20;

    // The OK and Cancel buttons of the store and entry dialogs, drawn keyed
    // from "RES\Extend\bu_ok*.bmp" and "RES\Extend\bu_cancel*.bmp". Each
    // dialog keeps its own hit regions and pressed flags.
    static constexpr QPoint OkPlace{257, 75};
    static constexpr QPoint CancelPlace{257, 103};
    struct OkCancelButtons {
        QRegion& ok;
        std::uint8_t& okPressed;
        QRegion& cancel;
        std::uint8_t& cancelPressed;
    };
    // The pointer moved to (x, y): the button under it shows its hover look,
    // or its pressed look while pressed; over neither, both look normal.
    void FollowOkCancel(const OkCancelButtons& buttons, int x, int y);
    // A press at (x, y): the button under it shows its pressed look and is
    // marked pressed.
    void PressOkCancel(const OkCancelButtons& buttons, int x, int y);
    void DrawOkNormal();
    void DrawCancelNormal();

    // A refused write or an unreadable file, told to the user; the dialog
    // stays as it is.
    void ShowError(const std::exception& error);

    RadioState& m_state;

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    UserMessages* m_messages;
};
