#include "command.h"

#include <QCoreApplication>

// units DIMENSION: the units of one dimension, marking the SI unit and the
// view unit of the preset.
void runUnits(const Invocation& invocation)
{
    const qzUnitSystem::Dimension dimension = parseDimension(invocation.arguments.first());
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(invocation.options.preset));
    const int viewIndex = qzUnitSystem::viewUnitIndex(dimension);
    const qzUnitSystem system(dimension);
    const QStringList names = system.names();
    const QStringList symbols = system.symbols();

    QVector<QStringList> rows{
        {QCoreApplication::translate("qzunit", "Index"), QCoreApplication::translate("qzunit", "Name"),
         QCoreApplication::translate("qzunit", "Symbol"), QCoreApplication::translate("qzunit", "Notes")}};
    for (int i = 0; i < names.size(); ++i) {
        QStringList notes;
        if (i == system.SIUnitIndex())
            notes.append(QCoreApplication::translate("qzunit", "SI unit"));
        if (i == viewIndex)
            notes.append(QCoreApplication::translate("qzunit", "view unit"));
        rows.append({QString::number(i), names.at(i), symbols.value(i), notes.join(QLatin1String(", "))});
    }
    printTable(invocation.out, rows, {true, false, false, false});
}
