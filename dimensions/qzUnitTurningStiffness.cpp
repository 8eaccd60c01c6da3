#include "qzUnitTurningStiffness.h"

namespace {

// Named by their symbols, untranslated. 0.017453292519943295 is pi / 180,
// radians per degree.
const qzUnitRow rows[] = {
    { nullptr, "Nm/rad" },
    { nullptr, "Nm/\u00B0", qzUnitRow::Divide, 0.017453292519943295 },
};

} // namespace

const qzUnitTable qzUnitTurningStiffness::Table = {
    "qzUnitTurningStiffness", { QT_TRANSLATE_NOOP("qzUnitTurningStiffness", "Turning stiffness"), nullptr },
    { { 1, 2, -2 }, 1.0, qzUnitTable::Alternative }, // M·L^2·T^-2, N·m/rad, the radian a pure number; energy comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTurningStiffness>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTurningStiffness)
