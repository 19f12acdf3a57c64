#pragma once

#include <QChar>
#include <QString>

// Where the station list editor draws its ten rows a page and how it lines
// up their texts.

inline constexpr int ListRowsPerPage = 10;

// Top of the texts of a channel's row: 18 pixels a row from y 63, the
// tenth row of a page at 225.
int ListRowTextTop(int channel);

// Top of the selection bar and hit region of row 1 to 10.
int ListRowBarTop(int row);

// The channel a row shows on a page (both 1-based).
int ListChannelOfRow(int page, int row);

// Pages the list needs, ten channels a page, rounded up.
int ListPageCountFor(int channelCount);

// A one-digit channel number gets two leading blanks so that 7 and 17 end
// at about the same place.
QString ListNumberText(int channel);

// The frequency in MHz; a five-character text gets two leading blanks so
// that 87.50 and 107.90 line up on the right.
QString ListFrequencyText(int frequency);
QString ListFrequencyText(int frequency, QChar decimalSeparator);
