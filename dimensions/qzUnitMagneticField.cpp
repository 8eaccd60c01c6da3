#include "qzUnitMagneticField.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitMagneticField", "Ampere/meter"), QT_TRANSLATE_NOOP("qzUnitMagneticField", "A/m"),
      qzUnitRow::Pivot, 1.0, 0.0, qzUnitRow::TranslatedSymbol },
};

} // namespace

const qzUnitTable qzUnitMagneticField::Table = {
    "qzUnitMagneticField", { QT_TRANSLATE_NOOP("qzUnitMagneticField", "Magnetic field intensity"), nullptr },
    { { 0, -1, 0, 1 }, 1.0, qzUnitTable::Preferred }, // L^-1·I
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitMagneticField>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMagneticField)
