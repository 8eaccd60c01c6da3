#include "qzUnitElectricalConductivity.h"

const QChar qzUnitElectricalConductivity::MU = QChar(0x03BC);

namespace {

// The micro prefix is MU, filled into the %1 of row 1 at run time (after the
// name is translated), so translators never handle the character.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitElectricalConductivity", "1 / (Ohm * meter)"), "1/(\u03A9\u00B7m)" },
    { QT_TRANSLATE_NOOP("qzUnitElectricalConductivity", "1 / (%1Ohm * meter)"), "1/(%1\u03A9\u00B7m)",
      qzUnitRow::Multiply, 1000000.0 },
};

} // namespace

const qzUnitTable qzUnitElectricalConductivity::Table = {
    "qzUnitElectricalConductivity", { QT_TRANSLATE_NOOP("qzUnitElectricalConductivity", "Electrical conductivity"), nullptr },
    { { -1, -3, 3, 2 }, 1.0, qzUnitTable::Preferred }, // M^-1·L^-3·T^3·I^2
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitElectricalConductivity>,
    nullptr, nullptr, nullptr, &MU,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitElectricalConductivity)
