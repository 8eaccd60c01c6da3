#include "qzUnitEnergy.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Joule"), "J" },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Kilojoule"), "kJ", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Kilowatt hour"), "kWh", qzUnitRow::Multiply, 3600000.0 },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Electron volt"), "eV", qzUnitRow::Divide, 6.24150648e18 },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Kilopond meter"), "kpm", qzUnitRow::Multiply, 9.80665 },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Calorie (IT)"), "cal (IT)", qzUnitRow::Multiply, 4.1868 },
    // Deliberately not the 1055.0559 of qzUnitHeat: the two classes differ.
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "British thermal unit (IT)"), "BTU (IT)", qzUnitRow::Multiply, 1055.05585262 },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Inch-Pound Force"), "in lbf", qzUnitRow::Multiply, 0.1129848290276167 },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Foot-Pound Force"), "ft lbf", qzUnitRow::Multiply, 1.3558179483314003 },
    { QT_TRANSLATE_NOOP("qzUnitEnergy", "Megajoule"), "MJ", qzUnitRow::Multiply, 1000000.0 },
};

} // namespace

const qzUnitTable qzUnitEnergy::Table = {
    "qzUnitEnergy", { QT_TRANSLATE_NOOP("qzUnitEnergy", "Energy"), nullptr },
    { { 1, 2, -2 }, 1.0, qzUnitTable::Preferred }, // M·L^2·T^-2, before heat, torque and turning stiffness
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitEnergy>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitEnergy)
