#include "command.h"
#include "notes.h"

#include <QLocale>
#include <QTextStream>

Conversion readConversion(const Invocation& invocation, qzUnitSystem::Dimension restriction)
{
    const QStringList valueWords = invocation.arguments.mid(0, invocation.arguments.size() - 1);
    const QString target = invocation.arguments.last();
    bool bareNumber = false;
    QLocale::c().toDouble(valueWords.first(), &bareNumber);
    if (valueWords.size() == 1 && bareNumber)
        throw UserError{QStringLiteral("no target unit after '%1 %2'").arg(valueWords.first(), target)};

    const QString valueText = valueWords.join(QLatin1Char(' '));
    const QVector<qzUnitValue> values = readValue(valueText, restriction);
    const QVector<UnitMatch> units = readUnit(target, restriction);

    // A unit that several dimensions share is settled by the other unit
    // whenever the two have one dimension in common.
    QVector<qzUnitSystem::Dimension> common;
    qzUnitValue value;
    int targetIndex = -1;
    for (const qzUnitValue& reading : values) {
        for (const UnitMatch& unit : units) {
            if (unit.first == reading.dimension()) {
                common.append(unit.first);
                value.exchangeValue(reading);
                targetIndex = unit.second;
            }
        }
    }
    if (common.size() > 1)
        throw ambiguity(QStringLiteral("'%1' to '%2'").arg(valueText, target), common);
    if (common.isEmpty()) {
        QVector<qzUnitSystem::Dimension> from;
        for (const qzUnitValue& reading : values)
            from.append(reading.dimension());
        QVector<qzUnitSystem::Dimension> to;
        for (const UnitMatch& unit : units)
            to.append(unit.first);
        throw UserError{QStringLiteral("cannot convert '%1' (%2) to '%3' (%4): different dimensions")
                            .arg(valueText, dimensionKeys(from), target, dimensionKeys(to))};
    }
    return Conversion{value, targetIndex};
}

// convert VALUE [UNIT] TARGET: the value in another unit of its dimension.
void runConvert(const Invocation& invocation)
{
    const Options& options = invocation.options;
    const Conversion conversion = readConversion(invocation, options.dimension);
    noteConversion(invocation, conversion.value, conversion.target);
    invocation.out << conversion.value.valueSymbolString(conversion.target, options.format, options.precision) << '\n';
}
