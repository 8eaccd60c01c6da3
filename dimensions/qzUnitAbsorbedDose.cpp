#include "qzUnitAbsorbedDose.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitAbsorbedDose", "Gray"), "Gy" },
    { QT_TRANSLATE_NOOP("qzUnitAbsorbedDose", "Joule per kilogram"), "J/kg", qzUnitRow::Same },
    { QT_TRANSLATE_NOOP("qzUnitAbsorbedDose", "Square meter per square second"), "m\u00B2/s\u00B2", qzUnitRow::Same },
};

} // namespace

const qzUnitTable qzUnitAbsorbedDose::Table = {
    "qzUnitAbsorbedDose", { QT_TRANSLATE_NOOP("qzUnitAbsorbedDose", "Absorbed dose (of radiation)"), nullptr },
    { { 0, 2, -2 }, 1.0, qzUnitTable::Alternative }, // L^2·T^-2, latent heat comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitAbsorbedDose>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitAbsorbedDose)
