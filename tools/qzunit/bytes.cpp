#include "command.h"

#include <qzUnitOfInformation.h>

#include <QLocale>
#include <QTextStream>

// bytes COUNT | bytes VALUE UNIT: an amount of data in the largest unit it reaches ("1.5 kB").
void runBytes(const Invocation& invocation)
{
    const QString text = invocation.arguments.join(QLatin1Char(' '));
    bool isCount = false;
    const qlonglong count = QLocale::c().toLongLong(text, &isCount);
    if (isCount) {
        invocation.out << qzUnitOfInformation::prettyValueSymbol(count) << '\n';
        return;
    }
    const QVector<qzUnitValue> values = readValue(text, qzUnitSystem::OfInformation);
    invocation.out << qzUnitOfInformation::prettyValueSymbol(values.first()) << '\n';
}
