#include "command.h"
#include "notes.h"

#include <qzUnitHardness.h>

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Conversions run beyond the validity range of a scale (the table goes on),
// so such numbers are converted, with a warning.
void warnOutsideRange(const Invocation& invocation, const qzUnitValue& value)
{
    if (qzUnitHardness::isValidValue(value))
        return;
    const coBounds<double> range = qzUnitHardness::validBounds(value.unitIndex());
    report(invocation, QCoreApplication::translate("qzunit", "warning: %1 lies outside the validity range of %2 (%3 to %4)")
                           .arg(value.valueSymbolString('g', 6), value.symbol(), QString::number(range.lower),
                                QString::number(range.upper)));
}

} // namespace

// hardness VALUE [UNIT] TARGET: between the hardness scales and tensile
// strength, through the empirical conversion table.
void runHardness(const Invocation& invocation)
{
    const Options& options = invocation.options;
    const Conversion conversion = readConversion(invocation, qzUnitSystem::Hardness);
    const qzUnitValue result = conversion.value.copyTo(conversion.target);
    noteConversion(invocation, conversion.notes, conversion.value, conversion.target);
    warnOutsideRange(invocation, conversion.value);
    warnOutsideRange(invocation, result);
    invocation.out << result.valueSymbolString(options.format, options.precision) << '\n';
}
