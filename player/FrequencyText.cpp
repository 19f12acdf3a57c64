#include "FrequencyText.h"

#include <QLocale>

QString FrequencyText(int frequency, QChar decimalSeparator)
{
    const float megahertz = static_cast<float>(frequency * 0.01);
    QString text = QString::number(static_cast<double>(megahertz), 'f', 2);
    if (decimalSeparator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString FrequencyText(int frequency)
{
    const QString point = QLocale::system().decimalPoint();
    return FrequencyText(frequency, point.isEmpty() ? QLatin1Char('.') : point.front());
}
