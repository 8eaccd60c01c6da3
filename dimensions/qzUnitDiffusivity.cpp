#include "qzUnitDiffusivity.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitDiffusivity", "Square meters per second"), "m\u00B2/s" },
};

// The one unit answers for every index, in or out of the table.
QString unitName(int)
{
    return qzUnitDiffusivity::Table.rowName(qzUnitDiffusivity::SquareMeterPerSecond);
}

QString unitSymbol(int)
{
    return qzUnitDiffusivity::Table.rowSymbol(qzUnitDiffusivity::SquareMeterPerSecond);
}

} // namespace

const qzUnitTable qzUnitDiffusivity::Table = {
    "qzUnitDiffusivity", { QT_TRANSLATE_NOOP("qzUnitDiffusivity", "Diffusivity"), nullptr },
    { { 0, 2, -1 }, 1.0, qzUnitTable::Preferred }, // L^2·T^-1
    QZ_UNIT_ROWS(rows), qzUnitTable::Inert, &qzUnitTable::construct<qzUnitDiffusivity>,
    nullptr, &unitName, &unitSymbol,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitDiffusivity)
