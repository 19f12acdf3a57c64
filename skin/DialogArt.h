#pragma once

#include "ControlArt.h"

#include <QImage>
#include <QPoint>
#include <QString>

// Pictures of the three dialogs. The program writes the titles, labels and
// rows itself; the panels carry the title band, input wells and list box.

QImage StorePanel();        // panel_bg.bmp, shared by store and entry dialogs
QImage EditPanel();         // panel_edit.bmp
QImage StoreFields(const QImage& panel);  // field_store.bmp at (105, 60)
QImage EntryFields(const QImage& panel);  // field_editchannel.bmp at (75, 72)

// Text buttons share one shape; Off is the look of a button not available.
QImage DialogButtonShape();
QImage DialogButton(const QString& text, Look look);

QImage SelectionBarShape();
QImage SelectionBar(const QImage& editPanel);  // at the first row, (41, 61)

QImage EditorArrowShape();
QImage EditorArrow(const QImage& editPanel, QPoint at, Glyph glyph, Look look);
