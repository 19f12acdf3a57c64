#pragma once

#include "Edit.h"
#include "Editsub.h"
#include "RadioFixture.h"
#include "Store.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QTimer>

#include <functional>
#include <map>

// The main window with its three preset dialogs, created as the program
// creates them, and the means to work a modal dialog from a test: an
// action queued with WhenShown runs inside the dialog's modal loop. A
// dialog left open by mistake is cancelled by a watchdog and the case
// fails instead of hanging.
class DialogFixture : public RadioFixture {
protected:
    DialogFixture();
    ~DialogFixture() override;
    // An action queued with WhenShown that never ran means its dialog never
    // opened: the checks inside it were skipped, so the case fails.
    void TearDown() override;

    // Creates the main window, then frmStore, frmEdit and frmEditSub, and
    // shows the main window.
    TfrmRadio& CreateWithDialogs();

    // Runs the action once the dialog's modal loop runs (queue it right
    // before the call that opens the dialog).
    void WhenShown(QDialog* dialog, std::function<void()> action);
    // How many times the dialog has been shown.
    int Shows(QWidget* dialog) const;
    // The skin loses one picture while the program runs: the AppDir's RES
    // becomes a tree of its own, the built skin without that file.
    void LoseSkinPicture(const QString& resPath);

public:
    // A point inside a region.
    static QPoint Inside(const QRegion& region);
    // A press and a release of the left button on the dialog's picture.
    static void Click(SkinDialog* dialog, QPoint at);
    static void Press(SkinDialog* dialog, QPoint at);
    static void Release(SkinDialog* dialog, QPoint at);
    static void Move(SkinDialog* dialog, QPoint at);
    // Key presses as the keyboard sends them to the focused widget.
    static void Key(QWidget* target, int key);
    static void Type(QWidget* target, const QString& text);

protected:
    // Every pixel of the picture (its non-key pixels when keyed) stands on
    // the canvas at (x, y), from column `fromColumn` of the picture on.
    bool CanvasShows(const QImage& canvas, int x, int y, const QString& resPath, bool keyed,
                     int fromColumn = 0) const;

    // Presets as the file holds them: "Num" and keys 1..frequencies.size().
    static QByteArray ChannelSection(const std::vector<int>& frequencies);

    TfrmStore* store = nullptr;
    TfrmEdit* edit = nullptr;
    TfrmEditSub* entry = nullptr;

private:
    QTimer m_watchdog;
    int m_pendingActions = 0;
    QObject* m_showCounter = nullptr;
    std::map<const QWidget*, int> m_shows;
};
