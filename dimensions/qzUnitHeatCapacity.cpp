#include "qzUnitHeatCapacity.h"

namespace {

// The name is the symbol, untranslated.
const qzUnitRow rows[] = {
    { nullptr, "J/K" },
};

} // namespace

const qzUnitTable qzUnitHeatCapacity::Table = {
    "qzUnitHeatCapacity", { QT_TRANSLATE_NOOP("qzUnitHeatCapacity", "Heat capacity"), nullptr },
    { { 1, 2, -2, 0, -1 }, 1.0, qzUnitTable::Preferred }, // M·L^2·T^-2·Θ^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitHeatCapacity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitHeatCapacity)
