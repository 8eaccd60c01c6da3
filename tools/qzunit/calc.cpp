#include "command.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

namespace {

// An operand: a value with a unit, or a plain number that scales one.
struct Operand
{
    Operand() = default;
    Operand(const Operand& other) = default;
    // qzUnitValue's assignment keeps a dimension it has; an operand takes the other's.
    Operand& operator=(const Operand& other)
    {
        value.exchangeValue(other.value);
        number = other.number;
        isNumber = other.isNumber;
        return *this;
    }

    qzUnitValue value;
    double number = 0.0;
    bool isNumber = false;
};

bool isOperatorWord(const QString& word)
{
    static const QStringList operators{QStringLiteral("*"), QStringLiteral("/"), QStringLiteral("+"), QStringLiteral("-"),
                                       QStringLiteral("\u00D7"), QStringLiteral("\u00B7"), QStringLiteral("\u00F7")};
    return operators.contains(word);
}

Operand readOperand(const Invocation& invocation, const QString& text)
{
    Operand operand;
    bool ok = false;
    operand.number = QLocale::c().toDouble(text, &ok);
    if (ok) {
        operand.isNumber = true;
        return operand;
    }
    operand.value.exchangeValue(readValue(invocation, text, qzUnitSystem::Undefined));
    return operand;
}

Operand multiplied(const Operand& a, const Operand& b, bool divide)
{
    Operand result;
    if (a.isNumber && b.isNumber) {
        result.isNumber = true;
        result.number = divide ? a.number / b.number : a.number * b.number;
        return result;
    }
    if (b.isNumber) {
        if (divide && b.number == 0.0)
            throw UserError{QCoreApplication::translate("qzunit", "division by zero")};
        result.value.exchangeValue(divide ? a.value / b.number : a.value * b.number);
        return result;
    }
    if (a.isNumber && !divide) {
        result.value.exchangeValue(b.value * a.number);
        return result;
    }
    if (a.isNumber)
        throw UserError{QCoreApplication::translate("qzunit", "a number divided by a value has no dimension of the library")};
    QString message;
    result.value.exchangeValue(divide ? qzUnitValue::quotient(a.value, b.value, qzUnitSystem::Undefined, &message)
                                      : qzUnitValue::product(a.value, b.value, qzUnitSystem::Undefined, &message));
    if (result.value.isUndefined())
        throw UserError{message};
    return result;
}

// The sum or difference in the unit of the right operand, as typed sums ("3 ft 4 in") are.
Operand added(const Operand& a, const Operand& b, bool subtract)
{
    Operand result;
    if (a.isNumber != b.isNumber || (!a.isNumber && a.value.dimension() != b.value.dimension())) {
        const QString number = QCoreApplication::translate("qzunit", "a number");
        throw UserError{QCoreApplication::translate("qzunit", "cannot add %1 and %2: different dimensions")
                            .arg(a.isNumber ? number : qzUnitSystem::dimensionKey(a.value.dimension()),
                                 b.isNumber ? number : qzUnitSystem::dimensionKey(b.value.dimension()))};
    }
    if (a.isNumber) {
        result.isNumber = true;
        result.number = subtract ? a.number - b.number : a.number + b.number;
        return result;
    }
    const double left = a.value.value(b.value.unitIndex());
    result.value.exchangeValue(b.value);
    result.value.setValue(subtract ? left - b.value.value() : left + b.value.value(), b.value.unitIndex());
    return result;
}

} // namespace

// calc EXPRESSION [TARGET]: products, quotients, sums and differences of
// values, operators standing between blanks ("10 N * 2 m", "3 ft + 4 in").
void runCalc(const Invocation& invocation)
{
    const Options& options = invocation.options;
    const QStringList words = invocation.arguments.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Operands and the operators between them; products before sums.
    QVector<Operand> terms;
    QVector<QChar> additions;
    Operand product;
    QChar pending;
    QStringList operand;
    auto closeOperand = [&]() {
        if (operand.isEmpty())
            throw UserError{QCoreApplication::translate("qzunit", "missing value in '%1'").arg(invocation.arguments.first())};
        const Operand read = readOperand(invocation, operand.join(QLatin1Char(' ')));
        product = pending.isNull() ? read : multiplied(product, read, pending == QLatin1Char('/') || pending == QChar(0x00F7));
        operand.clear();
    };
    for (const QString& word : words) {
        if (!isOperatorWord(word) || operand.isEmpty()) {
            operand.append(word);
            continue;
        }
        closeOperand();
        if (word == QLatin1String("+") || word == QLatin1String("-")) {
            terms.append(product);
            additions.append(word.at(0));
            pending = QChar();
        } else {
            pending = word.at(0);
        }
    }
    closeOperand();
    terms.append(product);
    Operand result = terms.first();
    for (int i = 1; i < terms.size(); ++i)
        result = added(result, terms.at(i), additions.at(i - 1) == QLatin1Char('-'));
    if (result.isNumber) {
        invocation.out << QLocale::c().toString(result.number, options.format, options.precision) << '\n';
        return;
    }
    if (invocation.arguments.size() < 2) {
        invocation.out << result.value.valueSymbolString(options.format, options.precision) << '\n';
        return;
    }
    const QString target = invocation.arguments.at(1);
    const qzUnitParser::Unit unit = readUnit(target, result.value.dimension()).first();
    const double number = result.value.value(unit.unitIndex) / unit.factor;
    const qzUnitValue converted(result.value.dimension(), number, unit.unitIndex);
    invocation.out << (unit.factor == 1.0 ? converted.valueSymbolString(options.format, options.precision)
                                          : converted.valueString(options.format, options.precision) + QLatin1Char(' ') + target)
                   << '\n';
}
