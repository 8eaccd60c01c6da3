#include "qzUnitDensity.h"

namespace {

// The pound of the two imperial rows is qzUnitMass's 0.45359238 kg.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Kilograms per cubic meter"), "kg/m\u00B3" },
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Kilograms per cubic centimeter"), "kg/cm\u00B3", qzUnitRow::Multiply, 1000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Kilograms per cubic millimeter"), "kg/mm\u00B3", qzUnitRow::Multiply, 1000000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Pound per cubic foot"), "lb/ft\u00B3", qzUnitRow::Multiply, 16.018463727106806 },
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Pound per cubic inch"), "lb/in\u00B3", qzUnitRow::Multiply, 27679.905320440565 },
    // The name says centimetre, the symbol and the factor say metre; hosts show both as they are.
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Ton per cubic centimeter"), "t/m\u00B3", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Gram per cubic centimeter"), "g/cm\u00B3", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Megagram per cubic millimeter"), "Mg/mm\u00B3", qzUnitRow::Multiply, 1000000000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitDensity", "Gram per cubic meter"), "g/m\u00B3", qzUnitRow::Divide, 1000.0 },
};

} // namespace

const qzUnitTable qzUnitDensity::Table = {
    "qzUnitDensity", { QT_TRANSLATE_NOOP("qzUnitDensity", "Density"), nullptr },
    { { 1, -3 }, 1.0, qzUnitTable::Preferred }, // M·L^-3
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitDensity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitDensity)
