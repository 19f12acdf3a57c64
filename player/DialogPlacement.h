#pragma once

#include <QPoint>
#include <QSize>

// Where the preset dialogs open: next to the window that opens them, pulled
// back when they would reach past the right or bottom edge of the primary
// screen. Only the screen's size counts, as on a single-screen desktop.

// Below the main window's lower buttons.
QPoint StoreDialogPlace(QPoint mainTopLeft, QSize screen);
// Below the main window's face.
QPoint EditDialogPlace(QPoint mainTopLeft, QSize screen);
// To the right of the station list editor.
QPoint EntryDialogPlace(QPoint editorTopLeft, QSize screen);

// The size of the primary screen in pixels, read at the moment of placing.
QSize PrimaryScreenSize();
