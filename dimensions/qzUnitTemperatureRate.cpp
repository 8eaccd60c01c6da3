#include "qzUnitTemperatureRate.h"

namespace {

// The Fahrenheit rows keep the constant of the way out as its own number:
// 1.8 and its multiples are exact, their reciprocals are not.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitTemperatureRate", "Kelvin per second"), "K/s" },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureRate", "Kelvin per minute"), "K/min", qzUnitRow::Divide, 60.0 },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureRate", "Kelvin per hour"), "K/h", qzUnitRow::Divide, 3600.0 },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureRate", "Degrees Fahrenheit per second"), "\u00B0F/s", qzUnitRow::Scale, 0.5555555555555556, 1.8 },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureRate", "Degrees Fahrenheit per minute"), "\u00B0F/min", qzUnitRow::Scale, 0.009259259259259259, 108.0 },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureRate", "Degrees Fahrenheit per hour"), "\u00B0F/h", qzUnitRow::Scale, 0.00015432098765432098, 6480.0 },
};

} // namespace

const qzUnitTable qzUnitTemperatureRate::Table = {
    "qzUnitTemperatureRate", { QT_TRANSLATE_NOOP("qzUnitTemperatureRate", "Temperature rate"), nullptr },
    { { 0, 0, -1, 0, 1 }, 1.0, qzUnitTable::Preferred }, // T^-1·Θ
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTemperatureRate>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTemperatureRate)
