#include "qzUnitAngle.h"

#include "qzUnitSystem.h"
#include "qzUnitValue.h"

namespace {

const qzUnitRow rows[] = {
    { QT_TRANSLATE_NOOP("qzUnitAngle", "Radian"), "rad" },
    // Degrees per radian, 180 / pi.
    { QT_TRANSLATE_NOOP("qzUnitAngle", "Degree"), "\u00B0", qzUnitRow::Divide, 57.29577951308232 },
};

} // namespace

const qzUnitTable qzUnitAngle::Table = {
    "qzUnitAngle", { QT_TRANSLATE_NOOP("qzUnitAngle", "Angle"), nullptr },
    { {}, 1.0, qzUnitTable::Alternative }, // 1, the radian is a pure number
    QZ_UNIT_ROWS(rows), qzUnitTable::Rows, &qzUnitTable::construct<qzUnitAngle>,
};

QZ_UNIT_DIMENSION_IMPL(qzUnitAngle)

double qzUnitAngle::changeValue(int from, int to, double value)
{
    changeTo(from, to, value);
    return value;
}

qzUnitValue qzUnitAngle::create(double value, e_Unit unit)
{
    return qzUnitValue(qzUnitSystem::Angle, value, int(unit));
}

QString qzUnitAngle::valueSymbolSeparator() const
{
    return unitIndex() == Degree ? QString() : qzUnit::valueSymbolSeparator();
}
