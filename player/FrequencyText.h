#pragma once

#include <QString>

// A frequency in 10 kHz units as MHz with two decimals and the user's
// decimal separator (8750 -> "87.50"). The product is taken in single
// precision first, as the face has always shown it.
QString FrequencyText(int frequency);

// The same with a given decimal separator, for callers that must not
// depend on the user's locale.
QString FrequencyText(int frequency, QChar decimalSeparator);
