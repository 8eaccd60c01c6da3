#include "qzUnitElectricField.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitElectricField", "Volt/meter"), QT_TRANSLATE_NOOP("qzUnitElectricField", "V/m"),
      qzUnitRow::Pivot, 1.0, 0.0, qzUnitRow::TranslatedSymbol },
};

} // namespace

const qzUnitTable qzUnitElectricField::Table = {
    "qzUnitElectricField", { QT_TRANSLATE_NOOP("qzUnitElectricField", "Electric field intensity"), nullptr },
    { { 1, 1, -3, -1 }, 1.0, qzUnitTable::Preferred }, // M·L·T^-3·I^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitElectricField>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitElectricField)
