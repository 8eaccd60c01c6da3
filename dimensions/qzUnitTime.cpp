#include "qzUnitTime.h"

#include "qzUnitSystem.h"
#include "qzUnitValue.h"

#include <cmath>
#include <limits>

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitTime", "Second"), "s" },
    { QT_TRANSLATE_NOOP("qzUnitTime", "Minute"), "min", qzUnitRow::Multiply, 60.0 },
    { QT_TRANSLATE_NOOP("qzUnitTime", "Hour"), "h", qzUnitRow::Multiply, 3600.0 },
    { QT_TRANSLATE_NOOP("qzUnitTime", "Millisecond"), "ms", qzUnitRow::Divide, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitTime", "Microsecond"), "\u00B5s", qzUnitRow::Divide, 1000000.0 },
};

// 2^53: below it every whole number of seconds is a double, so the split into
// hours, minutes and seconds below is exact.
const double ExactSeconds = 9007199254740992.0;

} // namespace

const qzUnitTable qzUnitTime::Table = {
    "qzUnitTime", { QT_TRANSLATE_NOOP("qzUnitTime", "Time"), nullptr },
    { { 0, 0, 1 }, 1.0, qzUnitTable::Preferred }, // T
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTime>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTime)

qzUnitValue qzUnitTime::create(double value, e_Unit unit)
{
    return qzUnitValue(qzUnitSystem::Time, value, int(unit));
}

qzUnitValue qzUnitTime::seconds(double value)
{
    return create(value, Second);
}

// Hours and minutes are shown only when positive, so a negative duration shows
// just its part below one minute (-90 s is "-30s"); the seconds are truncated,
// and below one minute get two decimals only when they have a hundredth.
//
// The hours are split off in doubles rather than in a 32-bit int. Within
// +-596523 hours this gives the very same numbers (the products are exact),
// and beyond it no hour count can overflow:
// - up to 2^53 s (some 2.5e12 hours) the split stays exact, and the text keeps
//   its layout with the full hour count ("600000h 00m 00s");
// - from 2^53 s on a double no longer holds every second, so only the hours
//   are shown, truncated, to the 15 significant digits that a double carries
//   for certain ("2.77777777777778e+296h");
// - a negative duration of any size still shows its part below one minute,
//   which fmod gives exactly;
// - NaN is "nan" and the infinities are "inf" and "-inf".
QString qzUnitTime::formatDuration(double value, int unit)
{
    double s = value;
    changeTo(unit, Second, s); // unknown units leave the value as seconds
    if (std::isnan(s))
        return QStringLiteral("nan");
    if (std::isinf(s))
        return s > 0.0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    if (s >= ExactSeconds)
        return QString::number(std::trunc(s / 3600.0), 'g', std::numeric_limits<double>::digits10) + QLatin1Char('h');
    if (s <= -ExactSeconds)
        s = std::fmod(s, 60.0);

    const double h = std::trunc(s / 3600.0);
    s -= h * 3600.0;
    // |s| < 3600 from here on, so minutes and seconds fit an int.
    const int m = int(s / 60.0);
    s -= m * 60;

    QString result;
    if (h > 0.0)
        result = QStringLiteral("%1h ").arg(h, 0, 'f', 0) + QStringLiteral("%1m ").arg(m, 2, 10, QLatin1Char('0'));
    else if (m > 0)
        result = QStringLiteral("%1m ").arg(m);
    if (h > 0.0 || m > 0)
        return result + QStringLiteral("%1s").arg(int(s), 2, 10, QLatin1Char('0'));

    const int hundredths = int(s * 100.0);
    const int whole = int(s);
    if (hundredths > whole * 100.0)
        return QStringLiteral("%1s").arg(s, 0, 'f', 2);
    return QStringLiteral("%1s").arg(whole);
}
