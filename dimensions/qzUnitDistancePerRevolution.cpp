#include "qzUnitDistancePerRevolution.h"

#include "qzUnitEnumNames.h"

namespace {

// The symbols are translated, each with a comment of its own, so they are
// kept beside the rows in `symbols` rather than in them.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Meter per revolution"), nullptr },
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Centimeter per revolution"), nullptr, qzUnitRow::Divide, 100.0 },
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Millimeter per revolution"), nullptr, qzUnitRow::Divide, 1000.0 },
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Foot per revolution"), nullptr, qzUnitRow::Multiply, 0.3048 },
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Inch per revolution"), nullptr, qzUnitRow::Multiply, 0.0254 },
    // The mile of qzUnitLength.
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Mile per revolution"), nullptr, qzUnitRow::Multiply, 1609.34419224 },
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Mil per revolution"), nullptr, qzUnitRow::Multiply, 2.54e-05 },
    { QT_TRANSLATE_NOOP("qzUnitDistancePerRevolution", "Kilometer per revolution"), nullptr, qzUnitRow::Multiply, 1000.0 },
};

const qzUnitTable::Text symbols[] = {
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "m/r", "Einheit Weg pro Umdrehung [m/U]"),
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "cm/r", "Einheit Weg pro Umdrehung [cm/U]"),
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "mm/r", "Einheit Weg pro Umdrehung [mm/U]"),
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "ft/r", "Einheit Weg pro Umdrehung [ft/U]"),
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "in/r", "Einheit Weg pro Umdrehung [in/U]"),
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "mi/r", "Einheit Weg pro Umdrehung [mi/U]"),
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "mil/r", "Einheit Weg pro Umdrehung [mil/U]"),
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "km/r", "Einheit Weg pro Umdrehung [km/U]"),
};
static_assert(sizeof(symbols) / sizeof(symbols[0]) == sizeof(rows) / sizeof(rows[0]), "one symbol per row");

// Stored in documents: never reorder or respell.
const char* const enumNames[] = {
    "METER_PER_REV", "CENTIMETER_PER_REV", "MILLIMETER_PER_REV", "FOOT_PER_REV",
    "INCH_PER_REV", "MILE_PER_REV", "MIL_PER_REV", "KILOMETER_PER_REV",
};

QString symbolOf(int unitIndex);

} // namespace

const qzUnitTable qzUnitDistancePerRevolution::Table = {
    "qzUnitDistancePerRevolution",
    QT_TRANSLATE_NOOP3("qzUnitDistancePerRevolution", "Distance per revolution", "de=Weg pro Umdrehung"),
    { { 0, 1 }, 0.15915494309189535, qzUnitTable::Alternative }, // L, m per 2π rad; length comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitDistancePerRevolution>,
    nullptr, nullptr, &symbolOf,
};

namespace {

QString symbolOf(int unitIndex)
{
    if (!qzUnitDistancePerRevolution::Table.contains(unitIndex))
        return QString();
    return qzUnitDistancePerRevolution::Table.translate(symbols[unitIndex].source, symbols[unitIndex].comment);
}

} // namespace

QZ_UNIT_DIMENSION_IMPL(qzUnitDistancePerRevolution)

QString qzUnitDistancePerRevolution::toEnumName(int unitIndex)
{
    return qzUnitEnumNames::name(enumNames, unitIndex);
}

qzUnitDistancePerRevolution::e_Unit qzUnitDistancePerRevolution::toEnumIndex(const QString& name)
{
    return e_Unit(qzUnitEnumNames::index(enumNames, name));
}
