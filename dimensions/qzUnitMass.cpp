#include "qzUnitMass.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitMass", "Kilogram"), "kg" },
    { QT_TRANSLATE_NOOP("qzUnitMass", "Gram"), "g", qzUnitRow::Divide, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitMass", "Ton"), "t", qzUnitRow::Multiply, 1000.0 },
    // Not the international 0.45359237: stored values were made with this pound.
    { QT_TRANSLATE_NOOP("qzUnitMass", "Pound"), "lb", qzUnitRow::Multiply, 0.45359238 },
    { QT_TRANSLATE_NOOP("qzUnitMass", "Ounce"), "oz", qzUnitRow::Multiply, 0.028349523125 },
    { QT_TRANSLATE_NOOP("qzUnitMass", "Slug"), "slug", qzUnitRow::Multiply, 14.5939029372 },
    { QT_TRANSLATE_NOOP("qzUnitMass", "Megagram"), "Mg", qzUnitRow::Multiply, 1000.0 },
};

} // namespace

const qzUnitTable qzUnitMass::Table = {
    "qzUnitMass", { QT_TRANSLATE_NOOP("qzUnitMass", "Mass"), nullptr },
    { { 1 }, 1.0, qzUnitTable::Preferred }, // M
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitMass>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMass)
