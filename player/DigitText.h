#pragma once

#include <QString>

#include <vector>

// One character cell of a digit text: the blank picture drawn first (it
// wipes what the cell showed before) and the character's picture over it,
// both under "RES\Number\".
struct DigitCell {
    int x;
    QString blankFile;
    QString glyphFile;
};

enum class DigitBlank { Display, Background };

// The cells of a text right-aligned in a field of the given width. Size
// "L" (large, 14 px a cell) or "S" (small, 7 px, files "s_..."), in either
// case. An empty text, one longer than the field or an unknown size gives
// no cells: the field keeps what it shows. The display blank is "n.bmp",
// the one for the clock and scale background "n2.bmp".
std::vector<DigitCell> DigitTextLayout(int x, const QString& text, const QString& size, int cells,
                                       DigitBlank blank);
