#include "qzUnitThermalExpansion.h"

namespace {

// Names are the symbols; only "1/°C" is a translation source. Its degree sign
// is written out rather than escaped so that lupdate reads the same text.
const qzUnitRow rows[] = {
    { nullptr, "1/K" },
    { nullptr, QT_TRANSLATE_NOOP("qzUnitThermalExpansion", "1/°C"), qzUnitRow::Same, 1.0, 0.0, qzUnitRow::TranslatedSymbol },
};

} // namespace

const qzUnitTable qzUnitThermalExpansion::Table = {
    "qzUnitThermalExpansion", { QT_TRANSLATE_NOOP("qzUnitThermalExpansion", "Thermal expansion coeff."), nullptr },
    { { 0, 0, 0, 0, -1 }, 1.0, qzUnitTable::Preferred }, // Θ^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitThermalExpansion>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitThermalExpansion)
