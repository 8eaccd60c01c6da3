#include "qzUnitTemperature.h"

namespace {

// Offset rows: to kelvin (v + back) / constant, from kelvin v * constant - back.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitTemperature", "Kelvin"), "K" },
    { QT_TRANSLATE_NOOP("qzUnitTemperature", "Degrees Celsius"), "\u00B0C", qzUnitRow::Offset, 1.0, 273.15 },
    { QT_TRANSLATE_NOOP("qzUnitTemperature", "Degrees Fahrenheit"), "\u00B0F", qzUnitRow::Offset, 1.8, 459.67 },
    { QT_TRANSLATE_NOOP("qzUnitTemperature", "Degrees Rankine"), "\u00B0Ra", qzUnitRow::Divide, 1.8 },
};

} // namespace

const qzUnitTable qzUnitTemperature::Table = {
    "qzUnitTemperature", { QT_TRANSLATE_NOOP("qzUnitTemperature", "Temperature"), nullptr },
    { { 0, 0, 0, 0, 1 }, 1.0, qzUnitTable::Preferred }, // Θ, before temperature difference
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTemperature>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTemperature)
