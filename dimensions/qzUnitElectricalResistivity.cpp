#include "qzUnitElectricalResistivity.h"

#include "qzUnitElectricalConductivity.h"

namespace {

// The micro prefix is the conductivity's MU, filled into the %1 of row 1 at
// run time (after the name is translated).
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitElectricalResistivity", "Ohm * meter"), "\u03A9\u00B7m" },
    { QT_TRANSLATE_NOOP("qzUnitElectricalResistivity", "%1Ohm * meter"), "%1\u03A9\u00B7m",
      qzUnitRow::Divide, 1000000.0 },
};

} // namespace

const qzUnitTable qzUnitElectricalResistivity::Table = {
    "qzUnitElectricalResistivity",
    QT_TRANSLATE_NOOP3("qzUnitElectricalResistivity", "Electrical resistivity",
                       "Electrical resistivity Material specific value, does not depend on other factors like "
                       "geometry (DO NOT confuse with 'Resistance')"),
    { { 1, 3, -3, -2 }, 1.0, qzUnitTable::Preferred }, // M·L^3·T^-3·I^-2
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitElectricalResistivity>,
    nullptr, nullptr, nullptr, &qzUnitElectricalConductivity::MU,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitElectricalResistivity)
