#include "qzUnitEnergyLength.h"

namespace {

// The name is the symbol, untranslated.
const qzUnitRow rows[] = {
    { nullptr, "J/cm" },
};

} // namespace

const qzUnitTable qzUnitEnergyLength::Table = {
    "qzUnitEnergyLength", { QT_TRANSLATE_NOOP("qzUnitEnergyLength", "Energy input per unit length"), nullptr },
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitEnergyLength>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitEnergyLength)
