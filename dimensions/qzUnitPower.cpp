#include "qzUnitPower.h"

namespace {

// One unit under four symbols: hosts pick the spelling their users expect.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitPower", "Watt"), "W" },
    { QT_TRANSLATE_NOOP("qzUnitPower", "Watt"), "J/s", qzUnitRow::Same },
    { QT_TRANSLATE_NOOP("qzUnitPower", "Watt"), "(N\u00B7m)/s", qzUnitRow::Same },
    { QT_TRANSLATE_NOOP("qzUnitPower", "Watt"), "(kg\u00B7m\u00B2)/s\u00B2", qzUnitRow::Same },
};

} // namespace

const qzUnitTable qzUnitPower::Table = {
    "qzUnitPower", { QT_TRANSLATE_NOOP("qzUnitPower", "Power"), nullptr },
    { { 1, 2, -3 }, 1.0, qzUnitTable::Preferred }, // M·L^2·T^-3
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitPower>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitPower)
