#include "qzUnitEnergyDensity.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitEnergyDensity", "Joule per cubic meter"), "J/m\u00B3", qzUnitRow::Prefix, 1.0 },
    { QT_TRANSLATE_NOOP("qzUnitEnergyDensity", "Microjoule per cubic meter"), "\u00B5J/m\u00B3", qzUnitRow::Prefix, qzUnit::MicroFactor },
    { QT_TRANSLATE_NOOP("qzUnitEnergyDensity", "Millijoule per cubic meter"), "mJ/m\u00B3", qzUnitRow::Prefix, qzUnit::MilliFactor },
    { QT_TRANSLATE_NOOP("qzUnitEnergyDensity", "Kilojoule per cubic meter"), "kJ/m\u00B3", qzUnitRow::Prefix, qzUnit::KiloFactor },
    { QT_TRANSLATE_NOOP("qzUnitEnergyDensity", "Megajoule per cubic meter"), "MJ/m\u00B3", qzUnitRow::Prefix, qzUnit::MegaFactor },
    // A cubic millimetre is 1e-9 m³, so J/mm³ is the giga-multiple of J/m³.
    { QT_TRANSLATE_NOOP("qzUnitEnergyDensity", "Joule per cubic millimeter"), "J/mm\u00B3", qzUnitRow::Prefix, qzUnit::GigaFactor },
};

} // namespace

const qzUnitTable qzUnitEnergyDensity::Table = {
    "qzUnitEnergyDensity", { QT_TRANSLATE_NOOP("qzUnitEnergyDensity", "Energy density"), nullptr },
    { { 1, -1, -2 }, 1.0, qzUnitTable::Alternative }, // M·L^-1·T^-2, stress comes first
    QZ_UNIT_ROWS(rows), qzUnitTable::Prefixes, &qzUnitTable::construct<qzUnitEnergyDensity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitEnergyDensity)
