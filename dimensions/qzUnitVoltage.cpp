#include "qzUnitVoltage.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitVoltage", "Volt"), "V" },
};

} // namespace

const qzUnitTable qzUnitVoltage::Table = {
    "qzUnitVoltage", { QT_TRANSLATE_NOOP("qzUnitVoltage", "Voltage"), nullptr },
    { { 1, 2, -3, -1 }, 1.0, qzUnitTable::Preferred }, // M·L^2·T^-3·I^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Labels, &qzUnitTable::construct<qzUnitVoltage>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitVoltage)
