#include "qzUnitLatentHeat.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitLatentHeat", "Joule per kilogram"), "J/kg" },
    { QT_TRANSLATE_NOOP("qzUnitLatentHeat", "Joule per gram"), "J/g", qzUnitRow::Multiply, 1000.0 },
    // 1 J/kg is 1 m²/s², a million mm²/s².
    { QT_TRANSLATE_NOOP("qzUnitLatentHeat", "Millimeter squared per second squared"), "mm\u00B2/s\u00B2", qzUnitRow::Divide, 1000000.0 },
};

} // namespace

const qzUnitTable qzUnitLatentHeat::Table = {
    "qzUnitLatentHeat", { QT_TRANSLATE_NOOP("qzUnitLatentHeat", "Latent heat"), nullptr },
    { { 0, 2, -2 }, 1.0, qzUnitTable::Preferred }, // L^2·T^-2, before absorbed dose
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitLatentHeat>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitLatentHeat)
