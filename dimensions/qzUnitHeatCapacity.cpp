#include "qzUnitHeatCapacity.h"

namespace {

// The name is the symbol, untranslated.
const qzUnitRow rows[] = {
    { nullptr, "J/K" },
};

} // namespace

const qzUnitTable qzUnitHeatCapacity::Table = {
    "qzUnitHeatCapacity", { QT_TRANSLATE_NOOP("qzUnitHeatCapacity", "Heat capacity"), nullptr },
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitHeatCapacity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitHeatCapacity)
