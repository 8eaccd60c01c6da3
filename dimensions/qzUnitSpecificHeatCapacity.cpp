#include "qzUnitSpecificHeatCapacity.h"

namespace {

// Names are the symbols, untranslated. The pivot is kJ/(kg·K).
const qzUnitRow rows[] = {
    { nullptr, "kJ/(kg\u00B7K)" },
    { nullptr, "J/(kg\u00B7K)", qzUnitRow::Divide, 1000.0 },
    { nullptr, "kcal/(kg\u00B7C)", qzUnitRow::Multiply, 4.1868 },
    { nullptr, "BTU/(lb\u00B7R)", qzUnitRow::Multiply, 4.1868 },
    { nullptr, "J/(g\u00B7K)", qzUnitRow::Same },
    { nullptr, "kJ/(kg\u00B7\u00B0C)", qzUnitRow::Same },
    { nullptr, "J/(kg\u00B7\u00B0C)", qzUnitRow::Divide, 1000.0 },
    { nullptr, "mm\u00B2/(s\u00B2\u00B7\u00B0C)", qzUnitRow::Divide, 1000000000.0 },
};

} // namespace

const qzUnitTable qzUnitSpecificHeatCapacity::Table = {
    "qzUnitSpecificHeatCapacity", { QT_TRANSLATE_NOOP("qzUnitSpecificHeatCapacity", "Specific heat capacity"), nullptr },
    { { 0, 2, -2, 0, -1 }, 1000.0, qzUnitTable::Preferred }, // L^2·T^-2·Θ^-1, unit 0 is kJ/(kg·K)
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitSpecificHeatCapacity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitSpecificHeatCapacity)

int qzUnitSpecificHeatCapacity::getSIUnitIndex()
{
    return JoulePerKilogramKelvin;
}
