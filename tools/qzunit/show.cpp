#include "command.h"
#include "notes.h"

#include <QTextStream>

// show VALUE [UNIT]: the value in the view unit that a preset gives its dimension.
void runShow(const Invocation& invocation)
{
    const Options& options = invocation.options;
    const QString text = invocation.arguments.join(QLatin1Char(' '));
    const qzUnitValue value = readValue(invocation, text, options.dimension);
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(options.preset));
    noteConversion(invocation, QStringList(), value, qzUnitSystem::viewUnitIndex(value.dimension()));
    invocation.out << value.viewValueSymbolString(options.format, options.precision) << '\n';
}
