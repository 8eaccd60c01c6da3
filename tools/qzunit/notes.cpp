#include "notes.h"

#include <QCoreApplication>

namespace {

void noteKeptFactor(const Invocation& invocation, qzUnitSystem::Dimension dimension, int unit)
{
    if (!qzUnitSystem::keepsFactor(dimension, unit))
        return;
    report(invocation, QCoreApplication::translate("qzunit", "note: '%1' keeps the factor %2 for stored data; physically it is %3 %4")
                           .arg(qzUnitSystem(dimension, unit).symbol(), QString::number(qzUnitSystem::keptFactor(dimension, unit), 'g', 10),
                                QString::number(qzUnitSystem::physicalFactor(dimension, unit), 'g', 10),
                                qzUnitSystem(dimension, 0).symbol()));
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
        report(invocation, QCoreApplication::translate("qzunit", "warning: %1 lies below absolute zero (%2)")
                               .arg(value.valueSymbolString('g', 6), value.valueSymbolString(0, 'g', 6)));
    }
}
