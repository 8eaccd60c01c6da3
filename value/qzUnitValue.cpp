#include "qzUnitValue.h"

#include "qzFFFUnit.h"
#include "qzUnitCatalogue.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QHash>

#include <atomic>
#include <cmath>
#include <limits>
#include <mutex>

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

// Reading a value in another unit converts a copy of the number only: the
// unit object of the copy would convert it by the same static rule of the
// dimension class, and the number is all that is returned.
double qzUnitValue::valueOtherwise(int unitIndex) const
{
    if (isUndefined())
        return 0.0;
    const int current = m_unitSystem.currentIndex();
    return unitIndex == current ? m_value : qzUnitCatalogue::converted(*m_unitSystem.m_table, current, unitIndex, m_value);
}

double qzUnitValue::fromUnitZeroOtherwise(double number) const
{
    return qzUnitCatalogue::converted(*m_unitSystem.m_table, 0, m_unitSystem.currentIndex(), number);
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
    QString text = qzNumberText(m_value, format, precision);
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

int qzUnitValue::viewUnitIndex() const
{
    qzUnitSystem::globalUnitSystem();
    return qzUnitSystem::viewUnitIndex(dimension());
}

double qzUnitValue::viewValueOtherwise() const
{
    return value(viewUnitIndex());
}

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

qzHashValue qHash(const qzUnitValue& value)
{
    const qzHashValue h1 = qHash(value.siValue(), qzHashValue(0));
    const uint h2 = uint(convertUnitValueToFFFUnit(value));
    return h1 + qzHashValue(3u * h2);
}

// One registration for the process, whichever binary asks first. Registering
// the stream operators, the comparison and the text asks Qt for the type's id
// again, which comes back here on the same thread: that call answers with the
// id once it is known. Other threads wait until everything is registered.
int qzUnitValue::metaTypeId()
{
    static std::atomic<int> complete{ 0 };
    if (const int id = complete.load(std::memory_order_acquire))
        return id;
    static std::recursive_mutex mutex;
    const std::lock_guard<std::recursive_mutex> lock(mutex);
    static int known = 0;
    if (known != 0) // asked again from within the registration below
        return known;
    const int id = qzRegisterNormalizedMetaType<qzUnitValue>("qzUnitValue");
    if (complete.load(std::memory_order_relaxed)) // Qt 6: creating the id came back here and finished
        return id;
    known = id;
    qzRegisterStreamOperators<qzUnitValue>(known);
    qzRegisterComparators<qzUnitValue>();
    // Item views and QVariant::toString() show the value with its symbol.
    if (!QMetaType::hasRegisteredConverterFunction<qzUnitValue, QString>())
        QMetaType::registerConverter<qzUnitValue, QString>([](const qzUnitValue& value) { return value.valueSymbolString(); });
    complete.store(known, std::memory_order_release);
    return known;
}

QDebug operator<<(QDebug debug, const qzUnitValue& value)
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote() << "qzUnitValue(" << qzUnitSystem::dimensionKey(value.dimension()) << ", "
                              << value.valueSymbolString('g', QLocale::FloatingPointShortest) << ')';
    return debug;
}

namespace {

// The messages of product() and quotient(), translated in the context of
// qzUnitValue as those of fromString() are.
QString translated(const char* text)
{
    return QCoreApplication::translate("qzUnitValue", text);
}

// The dimensions of \a exponents, for messages: "Energy, Heat" or "none".
QString dimensionKeys(const qzUnitExponents& exponents)
{
    const QString keys = qzUnitSystem::dimensionKeys(qzUnitSystem::dimensionsOf(exponents));
    return keys.isEmpty() ? translated(QT_TRANSLATE_NOOP("qzUnitValue", "none")) : keys;
}

// The first of qzUnitSystem::dimensionsOf(exponents), without building the list.
qzUnitSystem::Dimension preferredOf(const qzUnitExponents& exponents)
{
    for (int dimension = 0; dimension <= qzUnitSystem::MassFluxDensity; ++dimension) {
        const qzUnitTable* table = qzUnitCatalogue::find(dimension);
        if (table && table->physics.rank == qzUnitTable::Preferred && table->physics.exponents == exponents)
            return qzUnitSystem::Dimension(dimension);
    }
    return qzUnitSystem::Undefined;
}

// Product and quotient meet here: the operands in coherent SI, their exponents
// added or subtracted, the result in unit 0 of the dimension that fits.
qzUnitValue combined(const qzUnitValue& a, const qzUnitValue& b, bool divide, qzUnitSystem::Dimension result,
                     QString* errorMessage)
{
    auto fail = [errorMessage](const QString& message) {
        if (errorMessage)
            *errorMessage = message;
        return qzUnitValue::makeUndefined();
    };
    for (const qzUnitValue* operand : { &a, &b }) {
        const bool first = operand == &a;
        if (!qzUnitCatalogue::find(operand->dimension()))
            return fail(translated(first ? QT_TRANSLATE_NOOP("qzUnitValue", "the first operand has no dimension")
                                         : QT_TRANSLATE_NOOP("qzUnitValue", "the second operand has no dimension")));
        if (!std::isfinite(operand->value()))
            return fail(translated(first ? QT_TRANSLATE_NOOP("qzUnitValue", "the first operand is %1, not a finite number")
                                         : QT_TRANSLATE_NOOP("qzUnitValue", "the second operand is %1, not a finite number"))
                            .arg(QString::number(operand->value())));
    }
    const qzUnitExponents exponents = divide ? qzUnitSystem::exponents(a.dimension()) - qzUnitSystem::exponents(b.dimension())
                                             : qzUnitSystem::exponents(a.dimension()) + qzUnitSystem::exponents(b.dimension());
    // Texts only on failure: a product that succeeds touches no heap.
    auto operation = [&] {
        return QStringLiteral("%1 %2 %3").arg(qzUnitSystem::dimensionKey(a.dimension()),
                                              divide ? QStringLiteral("/") : QStringLiteral("*"),
                                              qzUnitSystem::dimensionKey(b.dimension()));
    };
    if (result == qzUnitSystem::Undefined) {
        result = preferredOf(exponents);
        if (result == qzUnitSystem::Undefined)
            return fail(translated(QT_TRANSLATE_NOOP("qzUnitValue", "%1 has the exponents %2, which no dimension has"))
                            .arg(operation(), exponents.toString()));
    } else if (!qzUnitCatalogue::find(result)) {
        return fail(translated(QT_TRANSLATE_NOOP("qzUnitValue", "the result %1 names no dimension")).arg(int(result)));
    } else if (qzUnitSystem::exponents(result) != exponents) {
        return fail(translated(QT_TRANSLATE_NOOP("qzUnitValue", "%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5"))
                        .arg(operation(), exponents.toString(), qzUnitSystem::dimensionKey(result),
                             qzUnitSystem::exponents(result).toString(), dimensionKeys(exponents)));
    }
    const double left = a.value(0) * qzUnitSystem::siFactor(a.dimension());
    const double right = b.value(0) * qzUnitSystem::siFactor(b.dimension());
    if (divide && right == 0.0)
        return fail(translated(QT_TRANSLATE_NOOP("qzUnitValue", "%1 divides by zero")).arg(operation()));
    const double number = (divide ? left / right : left * right) / qzUnitSystem::siFactor(result);
    if (!std::isfinite(number))
        return fail(translated(QT_TRANSLATE_NOOP("qzUnitValue", "%1 overflows a double")).arg(operation()));
    return qzUnitValue(result, number, 0);
}

} // namespace

qzUnitValue qzUnitValue::product(const qzUnitValue& a, const qzUnitValue& b, qzUnitSystem::Dimension result,
                                 QString* errorMessage)
{
    return combined(a, b, false, result, errorMessage);
}

qzUnitValue qzUnitValue::quotient(const qzUnitValue& a, const qzUnitValue& b, qzUnitSystem::Dimension result,
                                  QString* errorMessage)
{
    return combined(a, b, true, result, errorMessage);
}
