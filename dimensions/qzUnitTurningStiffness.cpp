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
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitTurningStiffness>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTurningStiffness)
