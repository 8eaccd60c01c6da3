#include "notes.h"

#include <QTextStream>

namespace {

void noteKeptFactor(const Invocation& invocation, qzUnitSystem::Dimension dimension, int unit)
{
    if (!qzUnitSystem::keepsFactor(dimension, unit))
        return;
    invocation.err << "qzunit: note: '" << qzUnitSystem(dimension, unit).symbol() << "' keeps the factor "
                   << QString::number(qzUnitSystem::keptFactor(dimension, unit), 'g', 10)
                   << " for stored data; physically it is "
                   << QString::number(qzUnitSystem::physicalFactor(dimension, unit), 'g', 10) << ' '
                   << qzUnitSystem(dimension, 0).symbol() << '\n';
}

} // namespace

void noteConversion(const Invocation& invocation, const qzUnitValue& value, int target)
{
    const qzUnitSystem::Dimension dimension = value.dimension();
    noteKeptFactor(invocation, dimension, value.unitIndex());
    if (target != value.unitIndex())
        noteKeptFactor(invocation, dimension, target);
    // Unit 0 of temperatures is the kelvin.
    const double kelvin = value.value(0);
    if (dimension == qzUnitSystem::Temperature && kelvin < 0.0) {
        invocation.err << "qzunit: warning: " << value.valueSymbolString('g', 6) << " lies below absolute zero ("
                       << value.valueSymbolString(0, 'g', 6) << ")\n";
    }
}
