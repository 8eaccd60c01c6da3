#include "qzUnitMassFraction.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitMassFraction", "Weight percent"), "wt%" },
    { QT_TRANSLATE_NOOP("qzUnitMassFraction", "Weight fraction"), "-", qzUnitRow::Multiply, 100.0 },
};

} // namespace

const qzUnitTable qzUnitMassFraction::Table = {
    "qzUnitMassFraction", { QT_TRANSLATE_NOOP("qzUnitMassFraction", "Mass fraction"), nullptr },
    { {}, 0.01, qzUnitTable::Alternative }, // 1, wt%; percent comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitMassFraction>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMassFraction)
