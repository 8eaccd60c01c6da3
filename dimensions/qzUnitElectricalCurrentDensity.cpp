#include "qzUnitElectricalCurrentDensity.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitElectricalCurrentDensity", "Ampere per square meter"), "A/m\u00B2",
      qzUnitRow::Prefix, 1.0 },
    { QT_TRANSLATE_NOOP("qzUnitElectricalCurrentDensity", "Microampere per square meter"), "\u00B5A/m\u00B2",
      qzUnitRow::Prefix, qzUnit::MicroFactor },
    { QT_TRANSLATE_NOOP("qzUnitElectricalCurrentDensity", "Milliampere per square meter"), "mA/m\u00B2",
      qzUnitRow::Prefix, qzUnit::MilliFactor },
    { QT_TRANSLATE_NOOP("qzUnitElectricalCurrentDensity", "Kiloampere per square meter"), "kA/m\u00B2",
      qzUnitRow::Prefix, qzUnit::KiloFactor },
    { QT_TRANSLATE_NOOP("qzUnitElectricalCurrentDensity", "Megaampere per square meter"), "MA/m\u00B2",
      qzUnitRow::Prefix, qzUnit::MegaFactor },
};

} // namespace

const qzUnitTable qzUnitElectricalCurrentDensity::Table = {
    "qzUnitElectricalCurrentDensity", { QT_TRANSLATE_NOOP("qzUnitElectricalCurrentDensity", "Current density"), nullptr },
    { { 0, -2, 0, 1 }, 1.0, qzUnitTable::Preferred }, // L^-2·I
    QZ_UNIT_ROWS(rows), qzUnitTable::Prefixes, &qzUnitTable::construct<qzUnitElectricalCurrentDensity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitElectricalCurrentDensity)
