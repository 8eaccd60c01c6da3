#include "qzUnitVolume.h"

namespace {

// The imperial symbols are the trade's "cft" and "cin", not ft³ and in³.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitVolume", "Cubic meter"), "m\u00B3" },
    { QT_TRANSLATE_NOOP("qzUnitVolume", "Cubic centimeter"), "cm\u00B3", qzUnitRow::Divide, 1000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitVolume", "Cubic millimeter"), "mm\u00B3", qzUnitRow::Divide, 1000000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitVolume", "Cubic foot"), "cft", qzUnitRow::Multiply, 0.028316846592 },
    { QT_TRANSLATE_NOOP("qzUnitVolume", "Cubic inch"), "cin", qzUnitRow::Multiply, 1.6387064e-05 },
};

} // namespace

const qzUnitTable qzUnitVolume::Table = {
    "qzUnitVolume", { QT_TRANSLATE_NOOP("qzUnitVolume", "Volume"), nullptr },
    { { 0, 3 }, 1.0, qzUnitTable::Preferred }, // L^3
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitVolume>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitVolume)
