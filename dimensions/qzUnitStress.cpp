#include "qzUnitStress.h"

namespace {

const qzUnitRow rows[] = {
    // Three writings of the pascal.
    { QT_TRANSLATE_NOOP("qzUnitStress", "Pascal"), "Pa" },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Pascal"), "N/m\u00B2", qzUnitRow::Same },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Pascal"), "kg/(m\u00B7s\u00B2)", qzUnitRow::Same },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Megapascal"), "MPa", qzUnitRow::Multiply, 1000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Kilopascal"), "kPa", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Pièze"), "pz", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Bar"), "bar", qzUnitRow::Multiply, 100000.0 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Technical atmosphere"), "at", qzUnitRow::Multiply, 98066.5 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Physical atmosphere"), "atm", qzUnitRow::Multiply, 101325.0 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Torr"), "Torr", qzUnitRow::Multiply, 133.3224 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Pounds per square inch"), "psi", qzUnitRow::Multiply, 6894.757293168 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Pounds per square foot"), "psf", qzUnitRow::Multiply, 47.88025 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Newton per square millimeter"), "N/mm\u00B2", qzUnitRow::Multiply, 1000000.0 },
    // Not the 15200.34 Pa that a kilogram-force per square inch would be:
    // stored values were made with this factor.
    { QT_TRANSLATE_NOOP("qzUnitStress", "Kilograms per square inch"), "kg/in\u00B2", qzUnitRow::Multiply, 39.3701 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Kilograms per square centimeter"), "kg/cm\u00B2", qzUnitRow::Multiply, 98066.5 },
    { QT_TRANSLATE_NOOP("qzUnitStress", "Kilograms per square millimeter"), "kg/mm\u00B2", qzUnitRow::Multiply, 9806650.0 },
};

} // namespace

const qzUnitTable qzUnitStress::Table = {
    "qzUnitStress", { QT_TRANSLATE_NOOP("qzUnitStress", "Stress"), nullptr },
    { { 1, -1, -2 }, 1.0, qzUnitTable::Preferred }, // M·L^-1·T^-2, before hardness and energy density
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitStress>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitStress)
