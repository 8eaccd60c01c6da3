#include "qzUnitHeatTransferCoefficient.h"

namespace {

// Names are the symbols, untranslated. The constants are the ones stored
// data was written with, not the textbook factors of these symbols.
const qzUnitRow rows[] = {
    { nullptr, "W/(m\u00B2\u00B7K)" },
    { nullptr, "kcal/(m\u00B2\u00B7h\u00B7C)", qzUnitRow::Divide, 1.16272222222 },
    { nullptr, "BTU/(ft\u00B2\u00B7h\u00B7R)", qzUnitRow::Multiply, 6351559.951094161 },
    { nullptr, "BTU/(ft\u00B2\u00B7min\u00B7R)", qzUnitRow::Multiply, 10585.9332518236 },
};

} // namespace

const qzUnitTable qzUnitHeatTransferCoefficient::Table = {
    "qzUnitHeatTransferCoefficient", { QT_TRANSLATE_NOOP("qzUnitHeatTransferCoefficient", "Heat transfer coefficient"), nullptr },
    { { 1, 0, -3, 0, -1 }, 1.0, qzUnitTable::Preferred }, // M·T^-3·Θ^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitHeatTransferCoefficient>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitHeatTransferCoefficient)
