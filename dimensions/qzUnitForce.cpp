#include "qzUnitForce.h"

#include "qzUnitSystem.h"
#include "qzUnitValue.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitForce", "Newton"), "N" },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Poundal"), "pdl", qzUnitRow::Multiply, 0.138254954376 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Ounce (Force)"), "ozf", qzUnitRow::Multiply, 0.2780138509537812 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Pound (Force)"), "lbf", qzUnitRow::Multiply, 4.4482216152605 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Kilopond"), "kp", qzUnitRow::Multiply, 9.80665 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Ton (Force)"), "tnf (to.)", qzUnitRow::Multiply, 9806.65 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Dyne"), "dyn", qzUnitRow::Divide, 100000.0 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Kilonewton"), "kN", qzUnitRow::Multiply, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Short ton"), "tnf (S/T)", qzUnitRow::Multiply, 8896.4432 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Long ton"), "tnf (L/T)", qzUnitRow::Multiply, 9964.0 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Kilopound (Force)"), "klbf", qzUnitRow::Multiply, 4448.2216152605 },
    { QT_TRANSLATE_NOOP("qzUnitForce", "Kilogram-force"), "kgf", qzUnitRow::Multiply, 9.80665 },
};

} // namespace

const qzUnitTable qzUnitForce::Table = {
    "qzUnitForce", { QT_TRANSLATE_NOOP("qzUnitForce", "Force"), nullptr },
    { { 1, 1, -2 }, 1.0, qzUnitTable::Preferred }, // M·L·T^-2, before energy per length
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitForce>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitForce)

qzUnitValue qzUnitForce::create(double value, e_Unit unit)
{
    return qzUnitValue(qzUnitSystem::Force, value, int(unit));
}
