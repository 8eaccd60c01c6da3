#include "qzUnitMagneticInduction.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitMagneticInduction", "Tesla"), QT_TRANSLATE_NOOP("qzUnitMagneticInduction", "T"),
      qzUnitRow::Pivot, 1.0, 0.0, qzUnitRow::TranslatedSymbol },
};

} // namespace

const qzUnitTable qzUnitMagneticInduction::Table = {
    "qzUnitMagneticInduction", { QT_TRANSLATE_NOOP("qzUnitMagneticInduction", "Magnetic induction"), nullptr },
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitMagneticInduction>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMagneticInduction)
