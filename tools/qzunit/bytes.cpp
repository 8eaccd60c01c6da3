#include "command.h"

#include <qzUnitOfInformation.h>

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <limits>

// bytes COUNT | bytes VALUE UNIT: an amount of data in the largest unit it reaches ("1.5 kB").
void runBytes(const Invocation& invocation)
{
    const QString text = invocation.arguments.join(QLatin1Char(' '));
    bool isCount = false;
    qlonglong count = QLocale::c().toLongLong(text, &isCount);
    // A count written as a floating-point number ("1e6") is a count when it
    // is whole and fits; one that does not fit overflows toDouble() as well.
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!isCount && number.match(text).hasMatch()) {
        bool ok = false;
        const double value = QLocale::c().toDouble(text, &ok);
        const double limit = double(std::numeric_limits<qlonglong>::max()); // 2^63, itself too large
        if (!ok || !(std::fabs(value) < limit)) {
            throw UserError{QCoreApplication::translate("qzunit", "'%1' bytes is too large: counts reach %2")
                                .arg(text).arg(std::numeric_limits<qlonglong>::max())};
        }
        if (value != std::floor(value))
            throw UserError{QCoreApplication::translate("qzunit", "'%1' is not a whole number of bytes").arg(text)};
        count = qlonglong(value);
        isCount = true;
    }
    if (isCount) {
        invocation.out << qzUnitOfInformation::prettyValueSymbol(count) << '\n';
        return;
    }
    const QVector<qzUnitValue> values = readValue(text, qzUnitSystem::OfInformation);
    invocation.out << qzUnitOfInformation::prettyValueSymbol(values.first()) << '\n';
}
