#include "qzUnitForcePerVolume.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitForcePerVolume", "Newton per cubic meter"), "N/m\u00B3" },
};

} // namespace

const qzUnitTable qzUnitForcePerVolume::Table = {
    "qzUnitForcePerVolume", { QT_TRANSLATE_NOOP("qzUnitForcePerVolume", "Force per volume"), nullptr },
    { { 1, -2, -2 }, 1.0, qzUnitTable::Preferred }, // M·L^-2·T^-2
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitForcePerVolume>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitForcePerVolume)
