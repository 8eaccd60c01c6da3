#include "qzUnitAreicElectricalConductivity.h"

namespace {

// The factors are the reciprocals of the resistance prefixes, computed as
// divisions: 1.0 / NanoFactor is 999999999.9999999, not 1e9, and stored data
// was converted with that number.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitAreicElectricalConductivity", "per ohm square meter"), "1/(\u03A9\u00B7m\u00B2)",
      qzUnitRow::Prefix, 1.0 },
    { QT_TRANSLATE_NOOP("qzUnitAreicElectricalConductivity", "per milliohm square meter"), "1/(m\u03A9\u00B7m\u00B2)",
      qzUnitRow::Prefix, 1.0 / qzUnit::MilliFactor },
    { QT_TRANSLATE_NOOP("qzUnitAreicElectricalConductivity", "per microhm square meter"), "1/(\u00B5\u03A9\u00B7m\u00B2)",
      qzUnitRow::Prefix, 1.0 / qzUnit::MicroFactor },
    { QT_TRANSLATE_NOOP("qzUnitAreicElectricalConductivity", "per nanoohm square meter"), "1/(n\u03A9\u00B7m\u00B2)",
      qzUnitRow::Prefix, 1.0 / qzUnit::NanoFactor },
};

} // namespace

const qzUnitTable qzUnitAreicElectricalConductivity::Table = {
    "qzUnitAreicElectricalConductivity",
    { QT_TRANSLATE_NOOP("qzUnitAreicElectricalConductivity", "Electrical contact conductivity"), nullptr },
    { { -1, -4, 3, 2 }, 1.0, qzUnitTable::Preferred }, // M^-1·L^-4·T^3·I^2
    QZ_UNIT_ROWS(rows), qzUnitTable::Prefixes, &qzUnitTable::construct<qzUnitAreicElectricalConductivity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitAreicElectricalConductivity)
