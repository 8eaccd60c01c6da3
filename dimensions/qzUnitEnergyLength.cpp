#include "qzUnitEnergyLength.h"

namespace {

// The name is the symbol, untranslated.
const qzUnitRow rows[] = {
    { nullptr, "J/cm" },
};

} // namespace

const qzUnitTable qzUnitEnergyLength::Table = {
    "qzUnitEnergyLength", { QT_TRANSLATE_NOOP("qzUnitEnergyLength", "Energy input per unit length"), nullptr },
    { { 1, 1, -2 }, 100.0, qzUnitTable::Alternative }, // M·L·T^-2, J/cm; force comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitEnergyLength>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitEnergyLength)
