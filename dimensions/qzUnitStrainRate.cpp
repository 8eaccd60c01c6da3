#include "qzUnitStrainRate.h"

namespace {

// Named by its symbol, untranslated.
const qzUnitRow rows[] = {
    { nullptr, "1/s" },
};

} // namespace

const qzUnitTable qzUnitStrainRate::Table = {
    "qzUnitStrainRate", { QT_TRANSLATE_NOOP("qzUnitStrainRate", "Strain rate"), nullptr },
    { { 0, 0, -1 }, 1.0, qzUnitTable::Alternative }, // T^-1, frequency comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitStrainRate>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitStrainRate)
