#include "command.h"
#include "notes.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

Conversion readConversion(const Invocation& invocation, qzUnitSystem::Dimension restriction)
{
    const QStringList valueWords = invocation.arguments.mid(0, invocation.arguments.size() - 1);
    const QString target = invocation.arguments.last();
    bool bareNumber = false;
    QLocale::c().toDouble(valueWords.first(), &bareNumber);
    if (valueWords.size() == 1 && bareNumber)
        throw UserError{QCoreApplication::translate("qzunit", "no target unit after '%1 %2'").arg(valueWords.first(), target)};

    const QString valueText = valueWords.join(QLatin1Char(' '));
    const qzUnitValue value = readValue(valueText, restriction).first(); // its own mistakes first
    const QVector<qzUnitParser::Unit> units = readUnit(target, restriction);

    // A unit that several dimensions share is settled by the other unit
    // whenever the two have one dimension in common, else by a preference.
    QVector<qzUnitSystem::Dimension> common;
    QVector<qzUnitParser::Result> values;
    QVector<qzUnitParser::Unit> targets;
    for (const qzUnitParser::Unit& unit : units) {
        const qzUnitParser::Result reading = qzUnitParser::parse(valueText, QLocale::c(), unit.dimension);
        if (reading.error == qzUnitParser::NoError) {
            common.append(unit.dimension);
            values.append(reading);
            targets.append(unit);
        }
    }
    // A target whose text reads as other physics than its row ("ft*lbf" of a
    // torque) is still that row in the value's own dimension.
    if (common.isEmpty()) {
        const QVector<qzUnitParser::Unit> inValues = qzUnitParser::units(target, value.dimension());
        if (!inValues.isEmpty()) {
            const qzUnitParser::Result reading = qzUnitParser::parse(valueText, QLocale::c(), value.dimension());
            return Conversion{reading.value, inValues.first().unitIndex, inValues.first().factor, target, reading.notes};
        }
    }
    if (common.isEmpty()) {
        QVector<qzUnitSystem::Dimension> to;
        for (const qzUnitParser::Unit& unit : units)
            to.append(unit.dimension);
        throw UserError{QCoreApplication::translate("qzunit", "cannot convert '%1' (%2) to '%3' (%4): different dimensions")
                            .arg(valueText, qzUnitSystem::dimensionKey(value.dimension()), target, qzUnitSystem::dimensionKeys(to))};
    }
    if (common.size() > 1) {
        const int chosen = common.indexOf(qzUnitParser::preferred(common));
        const QString conversionText = QCoreApplication::translate("qzunit", "'%1' to '%2'").arg(valueText, target);
        if (chosen < 0)
            throw ambiguity(conversionText, common);
        common.move(chosen, 0);
        noteChoice(invocation, conversionText, common);
        return Conversion{values.at(chosen).value, targets.at(chosen).unitIndex, targets.at(chosen).factor, target,
                          values.at(chosen).notes};
    }
    return Conversion{values.first().value, targets.first().unitIndex, targets.first().factor, target, values.first().notes};
}

// convert VALUE [UNIT] TARGET: the value in another unit of its dimension.
void runConvert(const Invocation& invocation)
{
    const Options& options = invocation.options;
    const Conversion conversion = readConversion(invocation, options.dimension);
    noteConversion(invocation, conversion.notes, conversion.value, conversion.target);
    if (conversion.factor == 1.0) {
        invocation.out << conversion.value.valueSymbolString(conversion.target, options.format, options.precision) << '\n';
        return;
    }
    // A unit that is no row of the table ("mN", "BTU/h"): the number in it and the unit as typed.
    const double number = conversion.value.value(conversion.target) / conversion.factor;
    invocation.out << qzUnitValue(conversion.value.dimension(), number, conversion.target).valueString(options.format, options.precision)
                   << ' ' << conversion.targetText << '\n';
}
