#include "qzUnitMassFractionGradient.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitMassFractionGradient", "Weight percent per meter"), "wt%/m" },
};

} // namespace

const qzUnitTable qzUnitMassFractionGradient::Table = {
    "qzUnitMassFractionGradient", { QT_TRANSLATE_NOOP("qzUnitMassFractionGradient", "Mass fraction gradient"), nullptr },
    { { 0, -1 }, 0.01, qzUnitTable::Preferred }, // L^-1, wt%/m
    QZ_UNIT_ROWS(rows), qzUnitTable::Inert, &qzUnitTable::construct<qzUnitMassFractionGradient>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMassFractionGradient)
