#include "qzUnitElectricalResistivity.h"

#include "qzUnitElectricalConductivity.h"

namespace {

// Row 1 holds a %1 for the micro prefix in its name; the conductivity's MU is
// filled in after translation.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitElectricalResistivity", "Ohm * meter"), nullptr },
    { QT_TRANSLATE_NOOP("qzUnitElectricalResistivity", "%1Ohm * meter"), nullptr,
      qzUnitRow::Divide, 1000000.0 },
};

QString unitName(int unitIndex)
{
    const QString name = qzUnitElectricalResistivity::Table.rowName(unitIndex);
    return unitIndex == qzUnitElectricalResistivity::MicroOhmMeter
        ? name.arg(qzUnitElectricalConductivity::MU) : name;
}

QString unitSymbol(int unitIndex)
{
    if (!qzUnitElectricalResistivity::Table.contains(unitIndex))
        return QString();
    QString symbol;
    if (unitIndex == qzUnitElectricalResistivity::MicroOhmMeter)
        symbol += qzUnitElectricalConductivity::MU;
    return symbol + QChar(0x03A9) + QChar(0x00B7) + QLatin1Char('m');
}

} // namespace

const qzUnitTable qzUnitElectricalResistivity::Table = {
    "qzUnitElectricalResistivity",
    QT_TRANSLATE_NOOP3("qzUnitElectricalResistivity", "Electrical resistivity",
                       "Electrical resistivity Material specific value, does not depend on other factors like "
                       "geometry (DO NOT confuse with 'Resistance')"),
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitElectricalResistivity>,
    nullptr, &unitName, &unitSymbol,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitElectricalResistivity)
