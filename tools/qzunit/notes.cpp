#include "notes.h"

#include <QTextStream>

void noteConversion(const Invocation& invocation, const QStringList& notes, const qzUnitValue& value, int target)
{
    for (const QString& note : notes)
        invocation.err << "qzunit: note: " << note << '\n';
    const qzUnitSystem::Dimension dimension = value.dimension();
    if (target == value.unitIndex() || !qzUnitSystem::keepsFactor(dimension, target))
        return;
    invocation.err << "qzunit: note: '" << qzUnitSystem(dimension, target).symbol() << "' keeps the factor "
                   << QString::number(qzUnitSystem::keptFactor(dimension, target), 'g', 10)
                   << " for stored data; physically it is "
                   << QString::number(qzUnitSystem::physicalFactor(dimension, target), 'g', 10) << ' '
                   << qzUnitSystem(dimension, 0).symbol() << '\n';
}
