#include "DigitText.h"

std::vector<DigitCell> DigitTextLayout(int x, const QString& text, const QString& size, int cells,
                                       DigitBlank blank)
{
    const QString letter = size.toUpper();
    QString prefix;
    int advance = 0;
    if (letter == QLatin1String("L")) {
        advance = 14;
    } else if (letter == QLatin1String("S")) {
        prefix = QStringLiteral("s_");
        advance = 7;
    } else {
        return {};
    }
    const int length = static_cast<int>(text.size());
    if (length == 0 || length > cells)
        return {};

    const QString blankFile =
        QStringLiteral("RES\\Number\\") + prefix + (blank == DigitBlank::Display ? "n.bmp" : "n2.bmp");
    const QString padded = QString(cells - length, QLatin1Char('*')) + text;
    std::vector<DigitCell> layout;
    layout.reserve(static_cast<std::size_t>(cells));
    for (int k = 0; k < cells; ++k) {
        const QChar c = padded.at(k);
        QString glyph;
        if (c == QLatin1Char('*'))
            glyph = blankFile;
        else if (c == QLatin1Char('.') || c == QLatin1Char(','))
            glyph = QStringLiteral("RES\\Number\\") + prefix + QStringLiteral("dot.bmp");
        else if (c.isDigit() && c.unicode() < 128)
            glyph = QStringLiteral("RES\\Number\\") + prefix + c + QStringLiteral(".bmp");
        else
            // Only digits, separators and blanks have pictures; anything
            // else would name a file outside the digit set.
            glyph = blankFile;
        layout.push_back({x + k * advance, blankFile, glyph});
    }
    return layout;
}
