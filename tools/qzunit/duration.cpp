#include "command.h"

#include <qzUnitTime.h>

#include <QTextStream>

// duration VALUE [UNIT]: a time as hours, minutes and seconds ("1h 02m 05s").
void runDuration(const Invocation& invocation)
{
    const QVector<qzUnitValue> values = readValue(invocation.arguments.join(QLatin1Char(' ')), qzUnitSystem::Time);
    const qzUnitValue& time = values.first();
    invocation.out << qzUnitTime::formatDuration(time.value(), time.unitIndex()) << '\n';
}
