#include "qzUnitUndefined.h"

namespace {

const qzUnitRow rows[] = {
    { nullptr, "-" },
};

// "-" for every index, in or out of the table.
QString dash(int)
{
    return QStringLiteral("-");
}

} // namespace

const qzUnitTable qzUnitUndefined::Table = {
    "qzUnitUndefined", { QT_TRANSLATE_NOOP("qzUnitUndefined", "Size of dimension one"), nullptr },
    { {}, 0.0, qzUnitTable::Alternative }, // no physical meaning
    QZ_UNIT_ROWS(rows), qzUnitTable::Anchored, &qzUnitTable::construct<qzUnitUndefined>,
    nullptr, &dash, &dash,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitUndefined)
