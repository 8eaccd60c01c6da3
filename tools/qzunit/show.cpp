#include "command.h"
#include "notes.h"

#include <QTextStream>

// show VALUE [UNIT]: the value in the view unit that a preset gives its dimension.
void runShow(const Invocation& invocation)
{
    const Options& options = invocation.options;
    const QString text = invocation.arguments.join(QLatin1Char(' '));
    const QVector<qzUnitValue> values = readValue(text, options.dimension);
    if (values.size() > 1) {
        QVector<qzUnitSystem::Dimension> dimensions;
        for (const qzUnitValue& reading : values)
            dimensions.append(reading.dimension());
        throw ambiguity(QStringLiteral("'%1'").arg(text), dimensions);
    }
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(options.preset));
    noteConversion(invocation, values.first(), qzUnitSystem::viewUnitIndex(values.first().dimension()));
    invocation.out << values.first().viewValueSymbolString(options.format, options.precision) << '\n';
}
