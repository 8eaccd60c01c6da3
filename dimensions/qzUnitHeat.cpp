#include "qzUnitHeat.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitHeat", "Joule"), "J" },
    { QT_TRANSLATE_NOOP("qzUnitHeat", "Kilojoule"), "kJ", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitHeat", "Calorie (IT)"), "cal (IT)", qzUnitRow::Multiply, 4.1868 },
    { QT_TRANSLATE_NOOP("qzUnitHeat", "Kilocalorie (IT)"), "kcal (IT)", qzUnitRow::Multiply, 4186.8 },
    // Deliberately not the 1055.05585262 of qzUnitEnergy: the two classes differ.
    { QT_TRANSLATE_NOOP("qzUnitHeat", "British thermal unit (IT)"), "BTU (IT)", qzUnitRow::Multiply, 1055.0559 },
};

} // namespace

const qzUnitTable qzUnitHeat::Table = {
    "qzUnitHeat", { QT_TRANSLATE_NOOP("qzUnitHeat", "Heat energy"), nullptr },
    { { 1, 2, -2 }, 1.0, qzUnitTable::Alternative }, // M·L^2·T^-2, energy comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitHeat>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitHeat)
