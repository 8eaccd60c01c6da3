#include "qzUnitExponents.h"

QString qzUnitExponents::toString() const
{
    const struct {
        int exponent;
        QChar letter;
    } factors[] = {
        { mass, QLatin1Char('M') },       { length, QLatin1Char('L') },  { time, QLatin1Char('T') },
        { current, QLatin1Char('I') },    { temperature, QChar(0x0398) }, { amount, QLatin1Char('N') },
        { luminosity, QLatin1Char('J') },
    };
    QString text;
    for (const auto& factor : factors) {
        if (factor.exponent == 0)
            continue;
        if (!text.isEmpty())
            text += QChar(0x00B7);
        text += factor.letter;
        if (factor.exponent != 1)
            text += QLatin1Char('^') + QString::number(factor.exponent);
    }
    return text.isEmpty() ? QStringLiteral("1") : text;
}
