#include "qzUnitMassFluxDensity.h"

namespace {

// The product dot is the dot operator U+22C5, unlike the middle dot of other symbols.
const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitMassFluxDensity", "Kilogram per square meter and second"), "kg/(s\u22C5m\u00B2)" },
};

} // namespace

const qzUnitTable qzUnitMassFluxDensity::Table = {
    "qzUnitMassFluxDensity", { QT_TRANSLATE_NOOP("qzUnitMassFluxDensity", "Mass flux density"), nullptr },
    { { 1, -2, -1 }, 1.0, qzUnitTable::Preferred }, // M·L^-2·T^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Inert, &qzUnitTable::construct<qzUnitMassFluxDensity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitMassFluxDensity)
