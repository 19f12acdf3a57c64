#include "EntryFrequency.h"

namespace {

// Where each digit position stands in the shown text "ddd.dd".
constexpr int ShownLength = EntryDigitPositions + 1;
constexpr int PointIndex = 3;

}

QString EntryFieldValue(const QString& shown, QChar blankShown)
{
    if (shown.size() != ShownLength || shown.at(PointIndex) != QLatin1Char('.'))
        return QString();
    QString value;
    for (int index = 0; index < ShownLength; ++index) {
        if (index == PointIndex)
            continue;
        const QChar c = shown.at(index);
        value += c == blankShown ? QChar(u' ') : c;
    }
    return value;
}

QString EntryFieldText(int frequency)
{
    QString text = QString::number(frequency);
    if (text.size() == 4)
        text.prepend(QLatin1Char(' '));
    return text;
}

int ParseEntryFrequency(const QString& value)
{
    QString digits = value;
    digits.replace(QLatin1Char(' '), QLatin1Char('0'));
    while (digits.size() < EntryDigitPositions)
        digits += QLatin1Char('0');
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    bool ok = false;
    const int frequency = digits.toInt(&ok, 10);
    return ok ? frequency : -1;
}
