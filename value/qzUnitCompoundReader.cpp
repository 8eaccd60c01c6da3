#include "qzUnitCompoundReader.h"

#include "qzUnitSpellings.h"

#include <QRegularExpression>

#include <cmath>

namespace {

constexpr char16_t MiddleDot = 0x00B7;

// The powers of \a b added to those of \a a, times \a sign.
void combine(QMap<int, int>& a, const QMap<int, int>& b, int sign)
{
    for (auto it = b.cbegin(); it != b.cend(); ++it) {
        if ((a[it.key()] += sign * it.value()) == 0)
            a.remove(it.key());
    }
}

} // namespace

QVector<qzUnitParser::Unit> qzUnitCompoundReader::Quantity::units() const
{
    QVector<qzUnitParser::Unit> units;
    if (!(factor > 0.0) || !std::isfinite(factor))
        return units;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::dimensionsOf(exponents)) {
        // A compound is never a temperature on a scale with its own zero, and
        // a unit of angle counts only in the dimensions of turning: "degrés
        // Celsius" is no product of an angle and a temperature.
        if (dimension == qzUnitSystem::Temperature
            || (angle && dimension != qzUnitSystem::Angle && dimension != qzUnitSystem::AngularVelocity))
            continue;
        const double siFactor = qzUnitSystem::siFactor(dimension);
        const double turns = dimension == qzUnitSystem::AngularVelocity && !angle ? 2.0 * M_PI : 1.0;
        if (siFactor > 0.0)
            units.append(qzUnitSpellings::unitOfFactor(dimension, factor * turns / siFactor));
    }
    return units;
}

qzUnitCompoundReader::qzUnitCompoundReader(const qzUnitSpellings& index, const QString& spelling)
    : m_index(index), m_text(spelling)
{
}

bool qzUnitCompoundReader::read(Quantity& quantity)
{
    if (!m_text.contains(QChar(MiddleDot)) && !m_text.contains(QLatin1Char('/')) && !m_text.contains(QLatin1Char('^')))
        return false;
    // A unit twice in a row is a unit typed twice ("5 mm mm"), not its square.
    static const QRegularExpression twice(QStringLiteral("(?:^|[\u00B7/(])([^\u00B7/()^]+)\u00B7\\1(?:[\u00B7/()^]|$)"));
    if (twice.match(m_text).hasMatch())
        return false;
    return expression(quantity) && m_position == m_text.size();
}

QChar qzUnitCompoundReader::peek() const
{
    return m_position < m_text.size() ? m_text.at(m_position) : QChar();
}

bool qzUnitCompoundReader::expression(Quantity& quantity)
{
    if (!power(quantity))
        return false;
    bool below = false; // after a "/", products stay in the denominator
    while (peek() == QChar(MiddleDot) || peek() == QLatin1Char('/')) {
        below = m_text.at(m_position++) == QLatin1Char('/') || below;
        Quantity next;
        if (!power(next))
            return false;
        quantity.exponents = below ? quantity.exponents - next.exponents : quantity.exponents + next.exponents;
        quantity.factor = below ? quantity.factor / next.factor : quantity.factor * next.factor;
        quantity.angle = quantity.angle || next.angle;
        combine(quantity.shape, next.shape, below ? -1 : 1);
    }
    return true;
}

bool qzUnitCompoundReader::power(Quantity& quantity)
{
    if (!primary(quantity))
        return false;
    if (peek() != QLatin1Char('^'))
        return true;
    ++m_position;
    const int start = m_position;
    if (peek() == QLatin1Char('-') || peek() == QLatin1Char('+'))
        ++m_position;
    while (peek().isDigit() && m_position - start < 3)
        ++m_position;
    bool ok = false;
    const int exponent = m_text.mid(start, m_position - start).toInt(&ok);
    if (!ok || exponent == 0)
        return false; // "g0" is no power of the gram
    qzUnitExponents raised;
    for (int i = 0; i < std::abs(exponent); ++i)
        raised = exponent > 0 ? raised + quantity.exponents : raised - quantity.exponents;
    quantity.exponents = raised;
    quantity.factor = std::pow(quantity.factor, exponent);
    const QMap<int, int> shape = quantity.shape;
    quantity.shape.clear();
    combine(quantity.shape, shape, exponent);
    return true;
}

bool qzUnitCompoundReader::primary(Quantity& quantity)
{
    if (peek() == QLatin1Char('(')) {
        // Deeper nesting than any unit needs is refused before it can exhaust the stack.
        if (++m_depth > 8)
            return false;
        ++m_position;
        if (!expression(quantity) || peek() != QLatin1Char(')'))
            return false;
        ++m_position;
        --m_depth;
        return true;
    }
    const int start = m_position;
    while (m_position < m_text.size() && !qzUnitSpellings::isOperator(peek()))
        ++m_position;
    const QString atom = m_text.mid(start, m_position - start);
    if (atom == QLatin1String("1")) {
        quantity = Quantity();
        return true;
    }
    // The dash that stands for "no unit" is no factor: "ft - 3 in" is no product.
    if (atom == QLatin1String("-"))
        return false;
    // Of the readings, the first that is a multiple of its unit 0, by its
    // definition: degrees Celsius in a compound are a temperature difference.
    for (const qzUnitParser::Unit& unit : m_index.lookUp(atom)) {
        const double toZero = qzUnitSpellings::definedFactor(unit);
        if (std::isfinite(toZero)) {
            quantity.exponents = qzUnitSystem::exponents(unit.dimension);
            quantity.factor = toZero * qzUnitSystem::siFactor(unit.dimension);
            quantity.angle = unit.dimension == qzUnitSystem::Angle;
            quantity.shape = {{int(unit.dimension), 1}};
            return true;
        }
    }
    return false;
}
