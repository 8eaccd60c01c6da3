#include "command.h"
#include "notes.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <algorithm>

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

// A word of the expression: an operator, a parenthesis, or a piece of an operand.
struct Token
{
    enum Kind { Open, Close, Operator, Word } kind;
    QString text;
};

bool isOperatorWord(const QString& word)
{
    static const QStringList operators{QStringLiteral("*"), QStringLiteral("/"), QStringLiteral("+"), QStringLiteral("-"),
                                       QStringLiteral("\u00D7"), QStringLiteral("\u00B7"), QStringLiteral("\u00F7")};
    return operators.contains(word);
}

// Operators stand between blanks, so that "N*m" and "W/(m^2*K)" stay units.
// A "(" opens a group where an operand starts; a ")" that a word does not
// open itself closes one.
QVector<Token> tokens(const QString& expression)
{
    QVector<Token> result;
    bool operandStart = true;
    for (QString word : expression.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (isOperatorWord(word) && !operandStart) {
            result.append({Token::Operator, word});
            operandStart = true;
            continue;
        }
        while (operandStart && word.startsWith(QLatin1Char('('))) {
            result.append({Token::Open, QStringLiteral("(")});
            word.remove(0, 1);
        }
        int closing = 0;
        while (word.endsWith(QLatin1Char(')')) && word.count(QLatin1Char(')')) > word.count(QLatin1Char('('))) {
            word.chop(1);
            ++closing;
        }
        if (!word.isEmpty()) {
            result.append({Token::Word, word});
            operandStart = false;
        }
        for (int i = 0; i < closing; ++i)
            result.append({Token::Close, QStringLiteral(")")});
    }
    return result;
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

// Reads sums of products of operands and groups, by recursive descent.
class Evaluation
{
public:
    Evaluation(const Invocation& invocation, const QVector<Token>& tokens)
        : m_invocation(invocation), m_tokens(tokens)
    {
    }

    Operand run()
    {
        const Operand result = sum();
        if (m_next < m_tokens.size())
            throw UserError{QCoreApplication::translate("qzunit", "unexpected '%1' in '%2'").arg(m_tokens.at(m_next).text, expression())};
        return result;
    }

private:
    QString expression() const { return m_invocation.arguments.first(); }
    bool at(Token::Kind kind, const char* operators = nullptr) const
    {
        return m_next < m_tokens.size() && m_tokens.at(m_next).kind == kind
            && (!operators || QString::fromUtf8(operators).contains(m_tokens.at(m_next).text));
    }

    Operand sum()
    {
        Operand result = product();
        while (at(Token::Operator, "+-")) {
            const bool subtract = m_tokens.at(m_next++).text == QLatin1String("-");
            result = added(result, product(), subtract);
        }
        return result;
    }

    Operand product()
    {
        Operand result = factor();
        while (at(Token::Operator, "*/\u00D7\u00B7\u00F7")) {
            const QString op = m_tokens.at(m_next++).text;
            result = multiplied(result, factor(), op == QLatin1String("/") || op == QStringLiteral("\u00F7"));
        }
        return result;
    }

    Operand factor()
    {
        if (at(Token::Open)) {
            ++m_next;
            const Operand inner = sum();
            if (!at(Token::Close))
                throw UserError{QCoreApplication::translate("qzunit", "missing ')' in '%1'").arg(expression())};
            ++m_next;
            return inner;
        }
        QStringList words;
        while (at(Token::Word))
            words.append(m_tokens.at(m_next++).text);
        if (words.isEmpty())
            throw UserError{QCoreApplication::translate("qzunit", "missing value in '%1'").arg(expression())};
        const QString text = words.join(QLatin1Char(' '));
        Operand operand;
        bool ok = false;
        operand.number = QLocale::c().toDouble(text, &ok);
        operand.isNumber = ok;
        if (!ok)
            operand.value.exchangeValue(readValue(m_invocation, text, qzUnitSystem::Undefined));
        return operand;
    }

    const Invocation& m_invocation;
    const QVector<Token> m_tokens;
    int m_next = 0;
};

// \a value in \a dimension of the same physics: the number through the SI unit.
qzUnitValue inDimension(const qzUnitValue& value, qzUnitSystem::Dimension dimension)
{
    if (value.dimension() == dimension)
        return value;
    if (qzUnitSystem::exponents(value.dimension()) != qzUnitSystem::exponents(dimension)) {
        throw UserError{QCoreApplication::translate("qzunit", "the result is of %1, not of %2")
                            .arg(qzUnitSystem::dimensionKey(value.dimension()), qzUnitSystem::dimensionKey(dimension))};
    }
    const double si = value.value(0) * qzUnitSystem::siFactor(value.dimension());
    return qzUnitValue(dimension, si / qzUnitSystem::siFactor(dimension), 0);
}

} // namespace

// calc EXPRESSION [TARGET]: sums, products and quotients of values and
// groups in parentheses; operators stand between blanks ("(3 ft + 4 in) * 2").
void runCalc(const Invocation& invocation)
{
    const Options& options = invocation.options;
    Operand result = Evaluation(invocation, tokens(invocation.arguments.first())).run();
    if (result.isNumber) {
        invocation.out << QLocale::c().toString(result.number, options.format, options.precision) << '\n';
        return;
    }
    // Copies, not assignments: a value's assignment keeps its own dimension.
    const qzUnitValue value = options.dimension != qzUnitSystem::Undefined ? inDimension(result.value, options.dimension)
                                                                          : result.value;
    if (invocation.arguments.size() < 2) {
        invocation.out << value.valueSymbolString(options.format, options.precision) << '\n';
        return;
    }
    // The target as typed: a row's own text names that row, in whichever
    // dimension of the result's physics has it ("N*m" a torque).
    const QString target = invocation.arguments.at(1);
    QVector<qzUnitParser::Unit> candidates;
    for (const qzUnitParser::Unit& unit : readUnit(target, options.dimension)) {
        if (qzUnitSystem::exponents(unit.dimension) == qzUnitSystem::exponents(value.dimension()))
            candidates.append(unit);
    }
    if (candidates.isEmpty())
        throw UserError{QCoreApplication::translate("qzunit", "cannot express %1 in '%2'").arg(qzUnitSystem::dimensionKey(value.dimension()), target)};
    auto chosen = std::find_if(candidates.cbegin(), candidates.cend(), [](const qzUnitParser::Unit& unit) { return unit.isRow; });
    if (chosen == candidates.cend())
        chosen = std::find_if(candidates.cbegin(), candidates.cend(), [&value](const qzUnitParser::Unit& unit) { return unit.dimension == value.dimension(); });
    const qzUnitParser::Unit unit = chosen == candidates.cend() ? candidates.first() : *chosen;
    const qzUnitValue inTarget = inDimension(value, unit.dimension);
    noteConversion(invocation, QStringList(), inTarget, unit.unitIndex);
    const qzUnitValue converted(unit.dimension, inTarget.value(unit.unitIndex) / unit.factor, unit.unitIndex);
    invocation.out << (unit.isRow ? converted.valueSymbolString(options.format, options.precision)
                                  : converted.valueString(options.format, options.precision) + QLatin1Char(' ') + target)
                   << '\n';
}
