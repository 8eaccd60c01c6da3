#include "qzUnitThermalConductivity.h"

namespace {

// Names are the symbols, untranslated. The rows marked Same take the value
// over unchanged, whatever their symbols suggest: hosts have stored them so.
const qzUnitRow rows[] = {
    { nullptr, "J/(m\u00B7s\u00B7K)" },
    { nullptr, "W/(m\u00B7K)", qzUnitRow::Same },
    { nullptr, "BTU/(ft\u00B7h\u00B7R)", qzUnitRow::Divide, 1.0400206897928579 },
    { nullptr, "BTU/(ft\u00B7m\u00B7R)", qzUnitRow::Multiply, 57.69115998254829 },
    { nullptr, "kcal/(m\u00B7h\u00B7C)", qzUnitRow::Divide, 0.859845227868 },
    { nullptr, "kcal/(kg\u00B7C)", qzUnitRow::Same },
    { nullptr, "N/(s\u00B7K)", qzUnitRow::Same },
    { nullptr, "N/(s\u00B7\u00B0C)", qzUnitRow::Same },
};

} // namespace

const qzUnitTable qzUnitThermalConductivity::Table = {
    "qzUnitThermalConductivity", { QT_TRANSLATE_NOOP("qzUnitThermalConductivity", "Thermal conductivity"), nullptr },
    { { 1, 1, -3, 0, -1 }, 1.0, qzUnitTable::Preferred }, // M·L·T^-3·Θ^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitThermalConductivity>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitThermalConductivity)
