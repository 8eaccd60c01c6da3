#include "notes.h"

#include <QCoreApplication>

void noteConversion(const Invocation& invocation, const QStringList& notes, const qzUnitValue& value, int target)
{
    reportNotes(invocation, notes);
    const qzUnitSystem::Dimension dimension = value.dimension();
    if (target == value.unitIndex() || !qzUnitSystem::keepsFactor(dimension, target))
        return;
    report(invocation, QCoreApplication::translate("qzunit", "note: '%1' keeps the factor %2 for stored data; physically it is %3 %4")
                           .arg(qzUnitSystem(dimension, target).symbol(), QString::number(qzUnitSystem::keptFactor(dimension, target), 'g', 10),
                                QString::number(qzUnitSystem::physicalFactor(dimension, target), 'g', 10),
                                qzUnitSystem(dimension, 0).symbol()));
}
