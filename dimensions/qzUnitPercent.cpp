#include "qzUnitPercent.h"

#include "qzUnitSystem.h"
#include "qzUnitValue.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitPercent", "Percent"), "%" },
    { QT_TRANSLATE_NOOP("qzUnitPercent", "Ratio"), "-", qzUnitRow::Multiply, 100.0 },
};

} // namespace

const qzUnitTable qzUnitPercent::Table = {
    "qzUnitPercent", { QT_TRANSLATE_NOOP("qzUnitPercent", "Percent"), nullptr },
    { {}, 0.01, qzUnitTable::Preferred }, // 1, before mass fraction, angle and information
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitPercent>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitPercent)

qzUnitValue qzUnitPercent::create(double value, e_Unit unit)
{
    return qzUnitValue(qzUnitSystem::Percent, value, int(unit));
}
