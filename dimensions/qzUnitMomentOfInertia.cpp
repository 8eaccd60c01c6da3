#include "qzUnitMomentOfInertia.h"

namespace {

// Named by their symbols, untranslated.
const qzUnitRow rows[] = {
    { nullptr, "kg/m\u00B2" },
    { nullptr, "t/m\u00B2", qzUnitRow::Multiply, 1000.0 },
    { nullptr, "slug/ft\u00B2", qzUnitRow::Divide, 224.24813368145254 },
    { nullptr, "lb/ft\u00B2", qzUnitRow::Divide, 6.969845039001939 },
};

} // namespace

const qzUnitTable qzUnitMomentOfInertia::Table = {
    "qzUnitMomentOfInertia", { QT_TRANSLATE_NOOP("qzUnitMomentOfInertia", "Moment of inertia"), nullptr },
    { { 1, 2 }, 1.0, qzUnitTable::Preferred }, // M·L^2, kg·m², whatever the symbols say
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitMomentOfInertia>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMomentOfInertia)
