#include "command.h"

// dimensions: every dimension the library knows, one line each.
void runDimensions(const Invocation& invocation)
{
    QVector<QStringList> rows{{QStringLiteral("Value"), QStringLiteral("Enumerator"), QStringLiteral("English name"),
                               QStringLiteral("Units"), QStringLiteral("Symbol")}};
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitSystem system(dimension);
        rows.append({QString::number(int(dimension)), qzUnitSystem::dimensionKey(dimension),
                     system.dimensionNameEnglish(), QString::number(system.maxIndex()), system.dimensionSymbol()});
    }
    printTable(invocation.out, rows, {true, false, false, true, false});
}
