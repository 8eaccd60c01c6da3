#include "command.h"
#include "notes.h"

#include <qzUnitHardness.h>

#include <QTextStream>

namespace {

// Conversions run beyond the validity range of a scale (the table goes on),
// so such numbers are converted, with a warning.
void warnOutsideRange(const Invocation& invocation, const qzUnitValue& value)
{
    if (qzUnitHardness::isValidValue(value))
        return;
    const coBounds<double> range = qzUnitHardness::validBounds(value.unitIndex());
    invocation.err << "qzunit: warning: " << value.valueSymbolString('g', 6) << " lies outside the validity range of "
                   << value.symbol() << " (" << range.lower << " to " << range.upper << ")\n";
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
