#include "qzUnitTemperatureDifference.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitTemperatureDifference", "Kelvin"), "K" },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureDifference", "Degrees Celsius"), "\u00B0C", qzUnitRow::Same },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureDifference", "Degrees Fahrenheit"), "\u00B0F", qzUnitRow::Divide, 1.8 },
};

} // namespace

const qzUnitTable qzUnitTemperatureDifference::Table = {
    "qzUnitTemperatureDifference", { QT_TRANSLATE_NOOP("qzUnitTemperatureDifference", "Temperature difference"), nullptr },
    { { 0, 0, 0, 0, 1 }, 1.0, qzUnitTable::Alternative }, // Θ, temperature comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTemperatureDifference>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTemperatureDifference)
