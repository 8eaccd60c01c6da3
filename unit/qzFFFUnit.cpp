#include "qzFFFUnit.h"

#include "qzUnitCatalogue.h"
#include "qzUnitValue.h"

int qzFFFUnit(qzUnitSystem::Dimension dimension, int unitIndex)
{
    if (dimension == qzUnitSystem::Undefined || unitIndex < 0)
        return -1;
    // Packed as they are, in unsigned arithmetic: codes of values outside the
    // enumeration wrap instead of overflowing.
    return int(uint(dimension) * 65536u + uint(unitIndex));
}

int qzFFFUnit(const qzUnitSystem& system)
{
    return qzFFFUnit(system.dimension(), system.unitIndex());
}

int convertUnitValueToFFFUnit(const qzUnitValue& value)
{
    return qzFFFUnit(value.dimension(), value.unitIndex());
}

int qzFFFUnitGetUnitIndex(int code)
{
    return code == -1 ? 0 : code % 65536;
}

qzUnitSystem::Dimension qzFFFUnitGetDimension(int code)
{
    return code == -1 ? qzUnitSystem::Undefined : qzUnitSystem::Dimension(code / 65536);
}

qzUnitSystem convertFFFUnitToUnitSystem(int code)
{
    return qzUnitSystem(qzFFFUnitGetDimension(code), qzFFFUnitGetUnitIndex(code));
}

qzUnitValue convertFFFUnitToUnitValue(int code, double value)
{
    return qzUnitValue(qzFFFUnitGetDimension(code), value, qzFFFUnitGetUnitIndex(code));
}

QString qzFFFUnitName(int code)
{
    const qzUnitSystem::Dimension dimension = qzFFFUnitGetDimension(code);
    if (dimension == qzUnitSystem::Undefined)
        return QStringLiteral("-");
    const qzUnitTable* table = qzUnitCatalogue::find(dimension);
    return table ? table->name(qzFFFUnitGetUnitIndex(code)) : QString();
}

QString qzFFFUnitSymbol(int code)
{
    const qzUnitSystem::Dimension dimension = qzFFFUnitGetDimension(code);
    if (dimension == qzUnitSystem::Undefined)
        return QStringLiteral("-");
    const qzUnitTable* table = qzUnitCatalogue::find(dimension);
    return table ? table->symbol(qzFFFUnitGetUnitIndex(code)) : QString();
}

QString qzFFFDimensionName(int code)
{
    return qzUnitCatalogue::table(qzFFFUnitGetDimension(code)).dimensionName();
}
