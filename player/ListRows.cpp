#include "ListRows.h"

#include "FrequencyText.h"

namespace {

QString PadFrequency(QString text)
{
    if (text.size() == 5)
        text.prepend(QStringLiteral("  "));
    return text;
}

}

int ListRowTextTop(int channel)
{
    const int row = channel % ListRowsPerPage;
    return row == 0 ? 225 : 18 * row + 45;
}

int ListRowBarTop(int row)
{
    return 18 * row + 43;
}

int ListChannelOfRow(int page, int row)
{
    return (page - 1) * ListRowsPerPage + row;
}

int ListPageCountFor(int channelCount)
{
    return channelCount / ListRowsPerPage + (channelCount % ListRowsPerPage != 0 ? 1 : 0);
}

QString ListNumberText(int channel)
{
    QString text = QString::number(channel);
    if (text.size() == 1)
        text.prepend(QStringLiteral("  "));
    return text;
}

QString ListFrequencyText(int frequency)
{
    return PadFrequency(FrequencyText(frequency));
}

QString ListFrequencyText(int frequency, QChar decimalSeparator)
{
    return PadFrequency(FrequencyText(frequency, decimalSeparator));
}
