#include "DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The dialog's place when it would leave less than `room` of the screen
// below or to the right of its corner.
struct Pullback {
    int roomX;
    int pullX;
    int roomY;
    int pullY;
};

QPoint Place(QPoint corner, QSize screen, Pullback pullback)
{
    if (screen.height() - corner.y() < pullback.roomY)
        corner.setY(screen.height() - pullback.pullY);
    if (screen.width() - corner.x() < pullback.roomX)
        corner.setX(screen.width() - pullback.pullX);
    return corner;
}

}

QPoint StoreDialogPlace(QPoint mainTopLeft, QSize screen)
{
    return Place(mainTopLeft + QPoint(100, 330), screen, {300, 300, 140, 220});
}

QPoint EditDialogPlace(QPoint mainTopLeft, QSize screen)
{
    return Place(mainTopLeft + QPoint(0, 250), screen, {350, 350, 240, 300});
}

QPoint EntryDialogPlace(QPoint editorTopLeft, QSize screen)
{
    return Place(editorTopLeft + QPoint(350, 50), screen, {350, 350, 240, 250});
}

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}
