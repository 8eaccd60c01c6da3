#include "qzUnitLength.h"

#include "qzUnitEnumNames.h"
#include "qzUnitSystem.h"
#include "qzUnitValue.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitLength", "Meter"), "m" },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Centimeter"), "cm", qzUnitRow::Divide, 100.0 },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Millimeter"), "mm", qzUnitRow::Divide, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Foot"), "ft", qzUnitRow::Multiply, 0.3048 },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Inch"), "in", qzUnitRow::Multiply, 0.0254 },
    // The mile of this table is the survey-style 1609.34419224 m, kept for stored data.
    { QT_TRANSLATE_NOOP("qzUnitLength", "Mile"), "mi", qzUnitRow::Multiply, 1609.34419224 },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Mil"), "mil", qzUnitRow::Multiply, 2.54e-05 },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Micron"), "\u00B5m", qzUnitRow::Divide, 1000000.0 },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Microinch"), "\u00B5in", qzUnitRow::Multiply, 2.54e-08 },
    { QT_TRANSLATE_NOOP("qzUnitLength", "Kilometer"), "km", qzUnitRow::Multiply, 1000.0 },
};

// Stored in documents: never reorder or respell.
const char* const enumNames[] = {
    "METER", "CENTIMETER", "MILLIMETER", "FOOT", "INCH",
    "MILE", "MIL", "MICRON", "MICROINCH", "KILOMETER",
};

} // namespace

const qzUnitTable qzUnitLength::Table = {
    "qzUnitLength", { QT_TRANSLATE_NOOP("qzUnitLength", "Length"), nullptr },
    { { 0, 1 }, 1.0, qzUnitTable::Preferred }, // L, before grain size and distance per revolution
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitLength>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitLength)

double qzUnitLength::convert(e_Unit from, e_Unit to, double value)
{
    changeTo(from, to, value);
    return value;
}

coCoords3d qzUnitLength::convert(e_Unit from, e_Unit to, coCoords3d coords)
{
    changeTo(from, to, coords.x);
    changeTo(from, to, coords.y);
    changeTo(from, to, coords.z);
    return coords;
}

QString qzUnitLength::toEnumName(int unitIndex)
{
    return qzUnitEnumNames::name(enumNames, unitIndex);
}

qzUnitLength::e_Unit qzUnitLength::toEnumIndex(const QString& name)
{
    return e_Unit(qzUnitEnumNames::index(enumNames, name));
}

qzUnitValue qzUnitLength::create(double value, e_Unit unit)
{
    return qzUnitValue(qzUnitSystem::Length, value, int(unit));
}

qzUnitLength::e_Unit qzUnitLength::viewUnit()
{
    return e_Unit(qzUnitSystem::viewUnitIndex(qzUnitSystem::Length));
}
