#include "qzUnitValue.h"

#include "qzFFFUnit.h"
#include "qzUnitCatalogue.h"

#include <QDataStream>
#include <QDebug>
#include <QHash>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

// The quiet NaN with the bit pattern 0x7ff8000000000000.
constexpr double undefinedNumber = std::numeric_limits<double>::quiet_NaN();


} // namespace

qzUnitValue::qzUnitValue(qzUnitSystem::Dimension dimension, double value, bool toViewUnit)
    : m_unitSystem(dimension, 0), m_value(value)
{
    if (toViewUnit)
        this->toViewUnit();
}

qzUnitValue::qzUnitValue(const qzUnitValue& other, double value, bool toStandard)
    : m_unitSystem(other.m_unitSystem), m_value(value)
{
    if (toStandard)
        m_unitSystem.toStandard(m_value);
}

qzUnitValue& qzUnitValue::operator=(const qzUnitValue& other)
{
    if (this != &other) {
        m_unitSystem = other.m_unitSystem;
        m_value = other.m_value;
    }
    return *this;
}

qzUnitValue qzUnitValue::makeUndefined()
{
    qzUnitValue value;
    value.toUndefine();
    return value;
}

double qzUnitValue::siValue() const
{
    return value(m_unitSystem.SIUnitIndex());
}

double qzUnitValue::standard() const
{
    if (isUndefined())
        return 0.0;
    qzUnitValue copy(*this);
    copy.toStandard();
    return copy.m_value;
}

int qzUnitValue::fffUnit() const
{
    return qzFFFUnit(dimension(), unitIndex());
}

void qzUnitValue::setValue(double value, int unitIndex)
{
    m_unitSystem.setUnitIndex(unitIndex);
    m_value = value;
}

qzUnitValue& qzUnitValue::toStandard()
{
    m_unitSystem.toStandard(m_value);
    return *this;
}

void qzUnitValue::toUndefine()
{
    m_unitSystem.toUndefine();
    m_value = undefinedNumber;
}

void qzUnitValue::exchangeValue(const qzUnitValue& other)
{
    if (this == &other)
        return;
    toUndefine();
    m_unitSystem = other.m_unitSystem;
    m_value = other.m_value;
}

// ---- Arithmetic ------------------------------------------------------------

qzUnitValue qzUnitValue::operator+(double number) const
{
    qzUnitValue result(*this);
    result.m_value += number;
    return result;
}

qzUnitValue qzUnitValue::operator-(double number) const
{
    qzUnitValue result(*this);
    result.m_value -= number;
    return result;
}

qzUnitValue& qzUnitValue::operator+=(double number)
{
    m_value += number;
    return *this;
}

qzUnitValue& qzUnitValue::operator-=(double number)
{
    m_value -= number;
    return *this;
}

qzUnitValue operator*(double factor, const qzUnitValue& value)
{
    return value * factor;
}

qzUnitValue operator+(double number, const qzUnitValue& value)
{
    return value + number; // addition of doubles is commutative
}

// ---- Comparison ------------------------------------------------------------

bool qzUnitValue::operator==(const qzUnitValue& other) const
{
    if (dimension() != other.dimension())
        return false;
    if (unitIndex() == other.unitIndex())
        return m_value == other.m_value;
    return std::fabs(m_value - other.value(unitIndex())) < EqualityTolerance;
}

bool qzUnitValue::operator!=(const qzUnitValue& other) const
{
    return dimension() != other.dimension() || m_value != other.m_value;
}

bool qzUnitValue::operator<(const qzUnitValue& other) const
{
    return m_value < (unitIndex() == other.unitIndex() ? other.m_value : other.value(unitIndex()));
}

bool qzUnitValue::operator<=(const qzUnitValue& other) const
{
    return m_value <= (unitIndex() == other.unitIndex() ? other.m_value : other.value(unitIndex()));
}

bool qzUnitValue::operator>(const qzUnitValue& other) const
{
    return m_value > (unitIndex() == other.unitIndex() ? other.m_value : other.value(unitIndex()));
}

bool qzUnitValue::operator>=(const qzUnitValue& other) const
{
    return m_value >= (unitIndex() == other.unitIndex() ? other.m_value : other.value(unitIndex()));
}

// ---- Formatting ------------------------------------------------------------

QString qzUnitValue::valueString(char format, int precision) const
{
    QString text = QString::number(m_value, format, precision);
    // NaN and the infinities keep Qt's text, so that they read back as numbers.
    if (!std::isfinite(m_value) || precision == 0)
        return text;
    // One pass over Qt's text: its exponent letter, a sign, a point before the exponent.
    int exponent = -1;
    bool sign = false;
    bool point = false;
    const QChar* const characters = text.constData();
    for (int i = 0; i < text.size(); ++i) {
        switch (characters[i].unicode()) {
        case 'e':
        case 'E':
            if (exponent < 0)
                exponent = i;
            break;
        case '+':
        case '-':
            sign = true;
            break;
        case '.':
            point = point || exponent < 0;
            break;
        default:
            break;
        }
    }
    if (exponent >= 0) {
        // A mantissa without a point gets ".0" in front of its exponent; the
        // letter becomes a lower-case e.
        if (sign && exponent > 0 && exponent + 1 < text.size() && !point) {
            text.replace(QLatin1Char('e'), QLatin1String(".0e"));
            text.replace(QLatin1Char('E'), QLatin1String(".0e"));
        }
        return text;
    }
    if (!point)
        text.append(QLatin1String(".0"));
    return text;
}

QString qzUnitValue::valueString(int unitIndex, char format, int precision) const
{
    return copyTo(unitIndex).valueString(format, precision);
}

QString qzUnitValue::valueSymbolString(char format, int precision) const
{
    QString text = valueString(format, precision);
    if (dimension() == qzUnitSystem::Undefined)
        return text;
    // Grown once, in place, rather than a new string for each part.
    const QString separator = m_unitSystem.valueSymbolSeparator();
    const QString symbol = m_unitSystem.symbol();
    text.reserve(text.size() + separator.size() + symbol.size());
    text.append(separator).append(symbol);
    return text;
}

QString qzUnitValue::valueSymbolString(int unitIndex, char format, int precision) const
{
    return copyTo(unitIndex).valueSymbolString(format, precision);
}

// ---- View units ------------------------------------------------------------

qzUnitValue qzUnitValue::viewUnitValue() const
{
    return copyTo(viewUnitIndex());
}

qzUnitValue& qzUnitValue::toViewUnit()
{
    return changeTo(viewUnitIndex());
}

QString qzUnitValue::viewValueString(char format, int precision) const
{
    return viewUnitValue().valueString(format, precision);
}

QString qzUnitValue::viewValueSymbolString(char format, int precision) const
{
    return viewUnitValue().valueSymbolString(format, precision);
}

// ---- Streams, hashing, debugging -------------------------------------------

QDataStream& operator<<(QDataStream& stream, const qzUnitValue& value)
{
    // The raw number, NaN included: an undefined value stays undefined.
    const double number = value.isUndefined() ? qQNaN() : value.value();
    return stream << qint32(value.dimension()) << number << qint32(value.unitIndex());
}

QDataStream& operator>>(QDataStream& stream, qzUnitValue& value)
{
    qint32 dimension = -1;
    double number = 0.0;
    qint32 unitIndex = -1;
    stream >> dimension >> number >> unitIndex;
    // The value takes the record's dimension, unit and number whatever it held,
    // as if it were made undefined and then assigned: its handle is built anew
    // from the record, which makes one unit object instead of three.
    value.m_unitSystem.~qzUnitSystem();
    new (&value.m_unitSystem) qzUnitSystem(qzUnitSystem::Dimension(dimension), unitIndex);
    value.m_value = number;
    return stream;
}

uint qHash(const qzUnitValue& value)
{
    const uint h1 = qHash(value.siValue(), 0u);
    const uint h2 = uint(convertUnitValueToFFFUnit(value));
    return h1 + 3u * h2;
}

QDebug operator<<(QDebug debug, const qzUnitValue& value)
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote() << "qzUnitValue(" << qzUnitSystem::dimensionKey(value.dimension()) << ", "
                              << value.valueSymbolString('g', QLocale::FloatingPointShortest) << ')';
    return debug;
}

// ---- Reading typed text ----------------------------------------------------

qzUnitValue qzUnitValue::fromString(const QString& text, qzUnitSystem::Dimension dimension, QString* errorMessage)
{
    auto fail = [errorMessage](const QString& message) {
        if (errorMessage)
            *errorMessage = message;
        return makeUndefined();
    };
    const QString trimmed = text.trimmed();
    // The number is the longest prefix that the C locale reads as a double;
    // everything after it, blanks trimmed, is the unit.
    int end = 0;
    while (end < trimmed.size() && QStringLiteral("0123456789+-.eE").contains(trimmed.at(end)))
        ++end;
    bool ok = false;
    double number = 0.0;
    for (; end > 0; --end) {
        number = QLocale::c().toDouble(trimmed.leftRef(end), &ok);
        if (ok)
            break;
    }
    // A number cut short inside its digits ("1e999" read as "1e99") is no number.
    if (!ok || (end < trimmed.size() && (trimmed.at(end).isDigit() || trimmed.at(end) == QLatin1Char('.'))))
        return fail(QStringLiteral("'%1' does not start with a number").arg(text));
    const QString unit = trimmed.mid(end).trimmed();
    if (unit.isEmpty())
        return fail(QStringLiteral("'%1' has no unit").arg(text));

    const QVector<QPair<qzUnitSystem::Dimension, int>> matches = qzUnitSystem::findUnits(unit, dimension);
    if (matches.isEmpty()) {
        return fail(dimension == qzUnitSystem::Undefined
                        ? QStringLiteral("unknown unit '%1'").arg(unit)
                        : QStringLiteral("unknown unit '%1' for %2").arg(unit, qzUnitSystem::dimensionKey(dimension)));
    }
    if (matches.size() > 1) {
        QStringList candidates;
        for (const auto& match : matches)
            candidates.append(qzUnitSystem::dimensionKey(match.first));
        return fail(QStringLiteral("ambiguous unit '%1': %2").arg(unit, candidates.join(QLatin1String(", "))));
    }
    return qzUnitValue(matches.first().first, number, matches.first().second);
}
