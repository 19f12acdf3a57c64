#pragma once

#include <QChar>
#include <QString>

// The frequency field of the channel entry dialog follows the mask
// "999\.99;0;_": three optional digit positions, a fixed point and two
// optional digit positions. Its value is the five digit positions without
// the point, an unfilled position read as a blank.

// The mask as the line edit takes it; unfilled positions show as "_".
inline const char* const EntryFieldMask = "999.99;_";
inline constexpr int EntryDigitPositions = 5;

// The field's value from the text it shows, where unfilled positions show
// as blankShown: "_87.50" gives " 8750", "87_.__" gives "87   ". A text
// that is not shaped by the mask gives "".
QString EntryFieldValue(const QString& shown, QChar blankShown);

// The value that shows a stored frequency: its decimal text, with one
// leading blank when it has four characters (8750 gives " 8750", so the
// field shows 87.50 with the first position empty; 10790 gives "10790").
QString EntryFieldText(int frequency);

// The value in 10 kHz units: blanks become zeros, zeros are appended up to
// five characters, and the text is read as a number. " 8750" gives 8750,
// "10790" 10790, "87   " 87000 and "" 0. A value holding anything but
// digits and blanks gives -1, which lies below every band.
int ParseEntryFrequency(const QString& value);
