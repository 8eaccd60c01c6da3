#include "qzUnitTemperatureGradient.h"

namespace {

// The factors are kelvin per metre in one unit: per centimetre is a hundred per metre.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitTemperatureGradient", "Kelvin per meter"), "K/m", qzUnitRow::Prefix, 1.0 },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureGradient", "Kelvin per centimeter"), "K/cm", qzUnitRow::Prefix, 1.0 / qzUnit::CentiFactor },
    { QT_TRANSLATE_NOOP("qzUnitTemperatureGradient", "Kelvin per millimeter"), "K/mm", qzUnitRow::Prefix, 1.0 / qzUnit::MilliFactor },
};

} // namespace

const qzUnitTable qzUnitTemperatureGradient::Table = {
    "qzUnitTemperatureGradient", { QT_TRANSLATE_NOOP("qzUnitTemperatureGradient", "Temperature gradient"), nullptr },
    { { 0, -1, 0, 0, 1 }, 1.0, qzUnitTable::Preferred }, // L^-1·Θ
    QZ_UNIT_ROWS(rows), qzUnitTable::Prefixes, &qzUnitTable::construct<qzUnitTemperatureGradient>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitTemperatureGradient)
