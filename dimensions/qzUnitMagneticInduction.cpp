#include "qzUnitMagneticInduction.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitMagneticInduction", "Tesla"), QT_TRANSLATE_NOOP("qzUnitMagneticInduction", "T"),
      qzUnitRow::Pivot, 1.0, 0.0, qzUnitRow::TranslatedSymbol },
};

} // namespace

const qzUnitTable qzUnitMagneticInduction::Table = {
    "qzUnitMagneticInduction", { QT_TRANSLATE_NOOP("qzUnitMagneticInduction", "Magnetic induction"), nullptr },
    { { 1, 0, -2, -1 }, 1.0, qzUnitTable::Preferred }, // M·T^-2·I^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitMagneticInduction>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMagneticInduction)
