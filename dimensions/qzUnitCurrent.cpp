#include "qzUnitCurrent.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitCurrent", "Ampere"), "A" },
    { QT_TRANSLATE_NOOP("qzUnitCurrent", "Milliampere"), "mA", qzUnitRow::Divide, 1000.0 },
    // Divides by a thousandth rather than multiplying by a thousand, as stored data expects.
    { QT_TRANSLATE_NOOP("qzUnitCurrent", "Kiloampere"), "kA", qzUnitRow::Divide, 0.001 },
};

} // namespace

const qzUnitTable qzUnitCurrent::Table = {
    "qzUnitCurrent", { QT_TRANSLATE_NOOP("qzUnitCurrent", "Current"), nullptr },
    { { 0, 0, 0, 1 }, 1.0, qzUnitTable::Preferred }, // I
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitCurrent>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitCurrent)
