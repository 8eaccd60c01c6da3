#include "command.h"

#include <QCoreApplication>

// dimensions: every dimension the library knows, one line each; with --lang
// also its name in that language.
void runDimensions(const Invocation& invocation)
{
    const bool translated = invocation.options.translated;
    QStringList header{QCoreApplication::translate("qzunit", "Value"), QCoreApplication::translate("qzunit", "Enumerator"),
                       QCoreApplication::translate("qzunit", "English name"), QCoreApplication::translate("qzunit", "Units"),
                       QCoreApplication::translate("qzunit", "Symbol")};
    QVector<bool> rightAligned{true, false, false, true, false};
    if (translated) {
        header.insert(3, QCoreApplication::translate("qzunit", "Name"));
        rightAligned.insert(3, false);
    }
    QVector<QStringList> rows{header};
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitSystem system(dimension);
        QStringList row{QString::number(int(dimension)), qzUnitSystem::dimensionKey(dimension),
                        system.dimensionNameEnglish(), QString::number(system.maxIndex()), system.dimensionSymbol()};
        if (translated)
            row.insert(3, system.dimensionName());
        rows.append(row);
    }
    printTable(invocation.out, rows, rightAligned);
}
