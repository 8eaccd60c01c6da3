#include "qzUnitElectricalConductivity.h"

const QChar qzUnitElectricalConductivity::MU = QChar(0x03BC);

namespace {

// Row 1 holds a %1 for the micro prefix in its name; MU is filled in after
// translation, so translators never handle the character.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitElectricalConductivity", "1 / (Ohm * meter)"), nullptr },
    { QT_TRANSLATE_NOOP("qzUnitElectricalConductivity", "1 / (%1Ohm * meter)"), nullptr,
      qzUnitRow::Multiply, 1000000.0 },
};

QString unitName(int unitIndex)
{
    const QString name = qzUnitElectricalConductivity::Table.rowName(unitIndex);
    return unitIndex == qzUnitElectricalConductivity::PerMicroOhmMeter
        ? name.arg(qzUnitElectricalConductivity::MU) : name;
}

QString unitSymbol(int unitIndex)
{
    if (!qzUnitElectricalConductivity::Table.contains(unitIndex))
        return QString();
    QString symbol = QStringLiteral("1/(");
    if (unitIndex == qzUnitElectricalConductivity::PerMicroOhmMeter)
        symbol += qzUnitElectricalConductivity::MU;
    return symbol + QChar(0x03A9) + QChar(0x00B7) + QStringLiteral("m)");
}

} // namespace

const qzUnitTable qzUnitElectricalConductivity::Table = {
    "qzUnitElectricalConductivity", { QT_TRANSLATE_NOOP("qzUnitElectricalConductivity", "Electrical conductivity"), nullptr },
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitElectricalConductivity>,
    nullptr, &unitName, &unitSymbol,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitElectricalConductivity)
