#include "qzUnitForceLength.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitForceLength", "Newton per meter"), "N/m" },
    { QT_TRANSLATE_NOOP("qzUnitForceLength", "Newton per Millimeter"), "N/mm", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitForceLength", "Kilonewton per Millimeter"), "kN/mm", qzUnitRow::Multiply, 1000000.0 },
};

} // namespace

const qzUnitTable qzUnitForceLength::Table = {
    "qzUnitForceLength", { QT_TRANSLATE_NOOP("qzUnitForceLength", "Force per length"), nullptr },
    { { 1, 0, -2 }, 1.0, qzUnitTable::Preferred }, // M·T^-2
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitForceLength>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitForceLength)
