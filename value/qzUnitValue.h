#ifndef QZUNITVALUE_H
#define QZUNITVALUE_H

#include "qzUnitClasses.h"
#include "qzUnitQtCompat.h"
#include "qzUnitSystem.h"

#include <QMetaType>

#include <cmath>
#include <limits>

class QDataStream;
class QLocale;
class QDebug;

/*!
  A number with its dimension and unit.

  Operations that combine or scale values meet in unit index 0 of the
  dimension and return to the left operand's unit; plain numbers added to or
  compared with a value are taken in its current unit. A value whose
  dimension is undefined and whose number is NaN is undefined: it is never
  converted and reads as 0.0. Building, copying, converting and the
  arithmetic never touch the heap.
*/
class QZUNIT_EXPORT qzUnitValue
{
public:
    //! Dimension -1 and 0.0: the default state, which is defined.
    qzUnitValue();
    //! \a value taken as standing in \a unitIndex of \a dimension (not range-checked).
    qzUnitValue(qzUnitSystem::Dimension dimension, double value, int unitIndex);
    //! \a value taken as standing in unit 0; moved into the view unit when \a toViewUnit.
    qzUnitValue(qzUnitSystem::Dimension dimension, double value, bool toViewUnit);
    //! \a value taken as standing in the unit of \a unitSystem.
    qzUnitValue(const qzUnitSystem& unitSystem, double value);
    //! \a value in the unit of \a other; converted to the standard unit when \a toStandard.
    qzUnitValue(const qzUnitValue& other, double value, bool toStandard);
    //! A copy with its own unit object.
    qzUnitValue(const qzUnitValue& other) = default;
    //! As qzUnitSystem::operator=: a value of another defined dimension keeps
    //! its dimension and unit and takes the number only.
    qzUnitValue& operator=(const qzUnitValue& other);
    ~qzUnitValue() = default;

    //! A value of dimension -1 with a NaN number.
    static qzUnitValue makeUndefined();

    // Reading
    //! The number in its current unit; 0.0 when undefined.
    double value() const { return isUndefined() ? 0.0 : m_value; }
    //! The number in \a unitIndex; 0.0 when undefined.
    double value(int unitIndex) const;
    //! The number in the dimension class's SI unit.
    double siValue() const;
    //! The number in the standard unit (the SI preset's unit).
    double standard() const;
    //! A copy converted to \a unitIndex.
    qzUnitValue copyTo(int unitIndex) const;
    //! The dimension; -1 for the default and the undefined state.
    qzUnitSystem::Dimension dimension() const { return m_unitSystem.dimension(); }
    //! The current unit.
    int unitIndex() const { return m_unitSystem.unitIndex(); }
    //! The dimension and unit as a handle.
    const qzUnitSystem& unitSystem() const { return m_unitSystem; }
    //! Dimension -1 together with a NaN number.
    bool isUndefined() const { return m_unitSystem.isUndefined() && std::isnan(m_value); }
    //! Not undefined: the default state counts as defined.
    bool isDefined() const { return !isUndefined(); }
    //! Name of the current unit, translated.
    QString name() const { return m_unitSystem.name(); }
    //! Symbol of the current unit.
    QString symbol() const { return m_unitSystem.symbol(); }
    //! Names of all units of the dimension, in index order.
    QStringList names() const { return m_unitSystem.names(); }
    //! Symbols of all units of the dimension, in index order.
    QStringList symbols() const { return m_unitSystem.symbols(); }
    //! Name of the dimension, translated.
    QString dimensionName() const { return m_unitSystem.dimensionName(); }
    //! The legacy code of dimension and unit.
    int fffUnit() const;

    // Changing
    //! Replaces the number; the unit stays.
    void setValue(double value) { m_value = value; }
    //! Relabels the unit (ignored outside the table), then stores \a value.
    void setValue(double value, int unitIndex);
    //! Relabels the unit without converting the number.
    void setUnitIndex(int unitIndex) { m_unitSystem.setUnitIndex(unitIndex); }
    //! Converts to \a unitIndex in place.
    qzUnitValue& changeTo(int unitIndex);
    //! Converts in place to the standard unit (the SI preset's unit).
    qzUnitValue& toStandard();
    //! Makes the value undefined: dimension -1, a NaN number.
    void toUndefine();
    //! Becomes an exact replica of \a other, whatever the dimensions. A value
    //! exchanged with itself stays as it is.
    void exchangeValue(const qzUnitValue& other);

    // Arithmetic: through unit 0, result in this value's unit.
    //! Sum through unit 0 in this value's unit; a default value for different dimensions.
    qzUnitValue operator+(const qzUnitValue& other) const;
    //! Difference through unit 0 in this value's unit; a default value for different dimensions.
    qzUnitValue operator-(const qzUnitValue& other) const;
    //! Adds \a other read in unit 0 of its own dimension; dimensions are not compared.
    qzUnitValue& operator+=(const qzUnitValue& other);
    //! Subtracts \a other read in unit 0 of its own dimension; dimensions are not compared.
    qzUnitValue& operator-=(const qzUnitValue& other);
    //! \a number added in the current unit, without conversion.
    qzUnitValue operator+(double number) const;
    //! \a number subtracted in the current unit, without conversion.
    qzUnitValue operator-(double number) const;
    //! Adds \a number in the current unit.
    qzUnitValue& operator+=(double number);
    //! Subtracts \a number in the current unit.
    qzUnitValue& operator-=(double number);
    //! Scaled through unit 0 (which matters for temperatures).
    qzUnitValue operator*(double factor) const;
    //! Returns a copy, not a reference.
    qzUnitValue operator*=(double factor);
    //! Divided through unit 0; a divisor of exactly 0.0 gives an unchanged copy.
    qzUnitValue operator/(double divisor) const;
    //! Returns a copy; a divisor of exactly 0.0 leaves the value alone.
    qzUnitValue operator/=(double divisor);
    //! Negated through unit 0.
    qzUnitValue operator-() const;

    // Comparison
    //! Same dimension and equal numbers, \a other read in this unit (within 1e-20) when the units differ.
    bool operator==(const qzUnitValue& other) const;
    //! Compares the stored numbers as they stand: not the negation of operator==
    //! when the units differ.
    bool operator!=(const qzUnitValue& other) const;
    //! This number less than \a other read in this value's unit; dimensions are not compared.
    bool operator<(const qzUnitValue& other) const;
    //! This number at most \a other read in this value's unit; dimensions are not compared.
    bool operator<=(const qzUnitValue& other) const;
    //! This number greater than \a other read in this value's unit; dimensions are not compared.
    bool operator>(const qzUnitValue& other) const;
    //! This number at least \a other read in this value's unit; dimensions are not compared.
    bool operator>=(const qzUnitValue& other) const;
    //! This number equals \a number, taken in the current unit.
    bool operator==(double number) const { return m_value == number; }
    //! This number differs from \a number, taken in the current unit.
    bool operator!=(double number) const { return m_value != number; }
    //! This number less than \a number, taken in the current unit.
    bool operator<(double number) const { return m_value < number; }
    //! This number at most \a number, taken in the current unit.
    bool operator<=(double number) const { return m_value <= number; }
    //! This number greater than \a number, taken in the current unit.
    bool operator>(double number) const { return m_value > number; }
    //! This number at least \a number, taken in the current unit.
    bool operator>=(double number) const { return m_value >= number; }
    //! -1, 0 or 1 comparing both values read in unit 0.
    int fuzzyCompare(const qzUnitValue& other, double tolerance) const;
    //! -1, 0 or 1: equal within \a tolerance and max(|a|, 1) times the machine epsilon; -1 with a NaN.
    static int fuzzyCompare(double a, double b, double tolerance);
    //! Fuzzily equal to \a other (both in unit 0, tolerance 1e-20).
    bool fuzzyEq(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) == 0; }
    //! Fuzzily greater than \a other (both in unit 0, tolerance 1e-20).
    bool fuzzyGT(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) == 1; }
    //! Fuzzily less than \a other (both in unit 0, tolerance 1e-20).
    bool fuzzyLT(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) == -1; }
    //! Fuzzily at least \a other (both in unit 0, tolerance 1e-20).
    bool fuzzyGTEq(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) >= 0; }
    //! Fuzzily at most \a other (both in unit 0, tolerance 1e-20).
    bool fuzzyLTEq(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) <= 0; }

    // Formatting: QString::number's format and precision, with ".0" added to
    // texts without a decimal point so that every value reads as floating point.
    //! The number in the current unit as text.
    QString valueString(char format = 'g', int precision = 6) const;
    //! The number converted to \a unitIndex, as text; the value itself stays.
    QString valueString(int unitIndex, char format, int precision) const;
    //! The number, the unit's separator and its symbol ("2.0 m"); the number alone for dimension -1.
    QString valueSymbolString(char format = 'g', int precision = 6) const;
    //! As valueSymbolString() after converting a copy to \a unitIndex.
    QString valueSymbolString(int unitIndex, char format, int precision) const;

    // View units
    //! The number in the view unit of the dimension; 0.0 when undefined.
    double viewValue() const;
    //! A copy converted to the view unit.
    qzUnitValue viewUnitValue() const;
    //! Converts in place to the view unit.
    qzUnitValue& toViewUnit();
    //! The number in the view unit as text.
    QString viewValueString(char format = 'g', int precision = 6) const;
    //! The number and symbol in the view unit ("1000.0 mm").
    QString viewValueSymbolString(char format = 'g', int precision = 6) const;

    /*!
      The product of two values of any dimensions: both read in coherent SI
      units (temperatures in kelvin), multiplied, and returned in unit 0 of
      \a result, which must have the sum of the operands' exponents, or with
      Undefined of the preferred dimension of those exponents (newtons times
      metres give joules of Energy unless Torque is asked for). Operands
      without a dimension or a finite number, a \a result of other
      exponents, exponents that no dimension has and overflows give an
      undefined value and, when \a errorMessage is given, say why: which
      exponents came out and which dimensions have them.
    */
    static qzUnitValue product(const qzUnitValue& a, const qzUnitValue& b,
                               qzUnitSystem::Dimension result = qzUnitSystem::Undefined,
                               QString* errorMessage = nullptr);
    //! As product(), for \a a divided by \a b; a divisor of 0 is an error too.
    static qzUnitValue quotient(const qzUnitValue& a, const qzUnitValue& b,
                                qzUnitSystem::Dimension result = qzUnitSystem::Undefined,
                                QString* errorMessage = nullptr);

    /*!
      Reads a value a person typed: a number in the C locale, then a unit
      ("12.5 mm", "12.5mm", "-3e2 Inch"). Also read: fractions and mixed
      numbers ("1 1/2 in"), plural, UK, ASCII and translated spellings of
      units ("metres", "um", "degC"), symbols and prefixes in their exact
      case and names in any case where that leaves one unit, SI prefixes
      and compound units ("kN", "g/cm^3"), sums ("5 ft 3 in", in
      the unit of the last term) and, with \a dimension given, a bare number
      in that dimension's view unit. With \a dimension other than Undefined
      only that dimension's units are considered; a unit several dimensions
      share is otherwise settled by the preferred dimension. On failure
      returns an undefined value and, when \a errorMessage is given, says why
      in the loaded translation. qzUnitParser gives the details.
    */
    static qzUnitValue fromString(const QString& text,
                                  qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined,
                                  QString* errorMessage = nullptr);
    //! As above, with numbers also in \a locale's separators ("12,5 mm" in German).
    static qzUnitValue fromString(const QString& text, const QLocale& locale,
                                  qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined,
                                  QString* errorMessage = nullptr);
    /*!
      As above, and \a notes says, in the loaded translation, what a reader
      should know about a reading that succeeded: a factor kept for stored
      documents that was used or set aside, a dimension chosen among several,
      a temperature below absolute zero. Empty when there is nothing to say.
    */
    static qzUnitValue fromString(const QString& text, const QLocale& locale, qzUnitSystem::Dimension dimension,
                                  QString* errorMessage, QStringList* notes);

    // XML element "UnitValue"; reader and writer in qzUnitValueXmlReaderWriter.h.
    class XmlReaderWriter;
    //! Writes the element "UnitValue".
    void writeXml(QXmlStreamWriter& writer) const;
    //! Writes the value as an element named \a elementName.
    void writeXml(QXmlStreamWriter& writer, const QString& elementName) const;
    //! Assigns what was read (as operator= does) only when the element was valid.
    bool readXml(QXmlStreamReader& reader);

    /*!
      The id of the type in Qt's meta-type system, registered on the first
      call under "qzUnitValue" together with everything a QVariant of it
      needs: the QDataStream operators, the conversion to QString (the
      valueSymbolString()) and the comparison by operator==. Qt calls it
      whenever a value first goes into a QVariant; nothing calls it when the
      library is loaded.
    */
    static int metaTypeId();

    //! Below this difference operator== calls values of different units equal.
    static constexpr double EqualityTolerance = 1e-20;
    //! The tolerance of fuzzyEq() and its siblings.
    static constexpr double DefaultTolerance = 1e-20;

private:
    friend QZUNIT_EXPORT QDataStream& operator>>(QDataStream& stream, qzUnitValue& value);

    // A result of the arithmetic: source's dimension and unit holding number.
    struct Result
    {
    };
    qzUnitValue(const qzUnitValue& source, double number, Result);
    // The result of values of different dimensions: the default value.
    explicit qzUnitValue(Result);
    // The number read in unit 0, put through operation and returned to the unit.
    template <typename Operation>
    double inUnitZero(Operation operation) const;
    // Whether the value stands in a row of a row table, where every
    // conversion is inline.
    bool inRow(int current) const;
    // The number in unitIndex, for a value that stands in row current.
    double byRows(int current, int unitIndex) const;
    // value(int) for a value that stands in no row. Reads memory and writes none.
    Q_DECL_PURE_FUNCTION double valueOtherwise(int unitIndex) const;
    // viewValue() for a value that stands in no row, or before the global
    // unit system exists, which it creates.
    double viewValueOtherwise() const;
    // A number in unit 0 brought to the value's unit, for a value that
    // stands in no row. Reads memory and writes none.
    Q_DECL_PURE_FUNCTION double fromUnitZeroOtherwise(double number) const;
    // value(0), where the arithmetic meets.
    double valueInUnitZero() const;
    // The view unit of the value's dimension, once the global unit system exists.
    int viewUnitIndex() const;

    qzUnitSystem m_unitSystem;
    double m_value;
};

// The operations below run in the inner loops of hosts (conversions, copies,
// the arithmetic), so they are inline: a call into the library would cost
// more than the conversion itself. What they read of the library is its
// tables, through qzUnitCatalogue.

inline qzUnitValue::qzUnitValue()
    : m_value(0.0)
{
}

inline qzUnitValue::qzUnitValue(qzUnitSystem::Dimension dimension, double value, int unitIndex)
    : m_unitSystem(dimension, unitIndex), m_value(value)
{
}

inline qzUnitValue::qzUnitValue(const qzUnitSystem& unitSystem, double value)
    : m_unitSystem(unitSystem), m_value(value)
{
}

// The unit object is built by its class's constructor, chosen inline rather
// than by the table's create function: the compiler sees the whole result,
// drops what is never read of it, and calls nothing in the host's loop.
inline qzUnitValue::qzUnitValue(const qzUnitValue& source, double number, Result)
    : m_unitSystem(source.m_unitSystem, qzUnitSystem::Unbuilt{}), m_value(number)
{
    qzUnitClasses::construct(m_unitSystem.m_dimension, m_unitSystem.m_storage, source.m_unitSystem.currentIndex());
}

inline qzUnitValue::qzUnitValue(Result)
    : m_unitSystem(qzUnitSystem::Unbuilt{}), m_value(0.0)
{
    qzUnitClasses::construct(qzUnitSystem::Undefined, m_unitSystem.m_storage, 0);
}

// Only the classes of the 56 dimensions have row tables: a value standing
// in a row has a defined dimension, whose view slot exists. Every case such a
// value meets is decided inline, without a call in the host's loop; the
// other tables, the undefined value and an index outside the table go to the
// library in one call.
inline bool qzUnitValue::inRow(int current) const
{
    return uint(current) < uint(m_unitSystem.m_table->stepRows);
}

// Another row by the two rows' steps; the value's own unit and an index that
// names no row leave the number as it is, as the table's conversion does.
inline double qzUnitValue::byRows(int current, int unitIndex) const
{
    const qzUnitTable& table = *m_unitSystem.m_table;
    if (uint(unitIndex) < uint(table.stepRows) && unitIndex != current)
        return qzUnitRows::between(table.rows[current], table.rows[unitIndex], m_value);
    return m_value;
}

inline double qzUnitValue::value(int unitIndex) const
{
    const int current = m_unitSystem.currentIndex();
    return Q_LIKELY(inRow(current)) ? byRows(current, unitIndex) : valueOtherwise(unitIndex);
}

// Every value shown to a user passes here, in the host's loops too.
inline double qzUnitValue::viewValue() const
{
    const int current = m_unitSystem.currentIndex();
    if (Q_LIKELY(inRow(current) && qzUnitSystem::GlobalUnitSystem))
        return byRows(current, qzUnitSystem::viewUnitSlot(dimension()));
    return viewValueOtherwise();
}

inline double qzUnitValue::valueInUnitZero() const
{
    // Unit 0 of a row table is its pivot: one row's step is the whole way.
    const int current = m_unitSystem.currentIndex();
    if (Q_LIKELY(inRow(current)))
        return qzUnitRows::toPivot(m_unitSystem.m_table->rows[current], m_value);
    return valueOtherwise(0);
}

// A copy converted in place: its unit object was made for the copy, and the
// number and index follow the rules of the class's changeTo.
inline qzUnitValue qzUnitValue::copyTo(int unitIndex) const
{
    qzUnitValue result(*this, m_value, Result{});
    result.changeTo(unitIndex);
    return result;
}

inline qzUnitValue& qzUnitValue::changeTo(int unitIndex)
{
    // As qzUnitSystem::changeTo does it, in place.
    qzUnit* unit = m_unitSystem.unit();
    if (!isUndefined())
        unit->m_unitIndex = qzUnitCatalogue::changeTo(*m_unitSystem.m_table, unit->m_unitIndex, unitIndex, m_value);
    return *this;
}

// Converting the value to unit 0 and back leaves its unit where it was, for
// every kind of dimension class (those that record any index, those that
// record none, the undefined class that always stands at 0): only the number
// takes the round trip, and the unit object is not touched. An undefined value
// has no class that converts, so its number passes unchanged, as the guard of
// changeTo would leave it.
template <typename Operation>
inline double qzUnitValue::inUnitZero(Operation operation) const
{
    const int current = m_unitSystem.currentIndex();
    if (Q_LIKELY(inRow(current))) {
        // Unit 0 of a row table is its pivot: one row's steps there and back.
        const qzUnitRow& row = m_unitSystem.m_table->rows[current];
        return qzUnitRows::fromPivot(row, operation(qzUnitRows::toPivot(row, m_value)));
    }
    if (current == 0)
        return operation(m_value);
    // Here the value is not undefined, whose unit is always 0, and both
    // ways are calls that write nothing, so that the loop keeps what it holds.
    return fromUnitZeroOtherwise(operation(valueOtherwise(0)));
}

inline qzUnitValue qzUnitValue::operator+(const qzUnitValue& other) const
{
    if (dimension() != other.dimension())
        return qzUnitValue(Result{});
    const double b = other.valueInUnitZero();
    return qzUnitValue(*this, inUnitZero([b](double a) { return a + b; }), Result{});
}

inline qzUnitValue qzUnitValue::operator-(const qzUnitValue& other) const
{
    if (dimension() != other.dimension())
        return qzUnitValue(Result{});
    const double b = other.valueInUnitZero();
    return qzUnitValue(*this, inUnitZero([b](double a) { return a - b; }), Result{});
}

inline qzUnitValue& qzUnitValue::operator+=(const qzUnitValue& other)
{
    const double b = other.valueInUnitZero();
    m_value = inUnitZero([b](double a) { return a + b; });
    return *this;
}

inline qzUnitValue& qzUnitValue::operator-=(const qzUnitValue& other)
{
    const double b = other.valueInUnitZero();
    m_value = inUnitZero([b](double a) { return a - b; });
    return *this;
}

inline qzUnitValue qzUnitValue::operator*(double factor) const
{
    return qzUnitValue(*this, inUnitZero([factor](double a) { return factor * a; }), Result{});
}

inline qzUnitValue qzUnitValue::operator*=(double factor)
{
    m_value = inUnitZero([factor](double a) { return factor * a; });
    return qzUnitValue(*this, m_value, Result{});
}

inline qzUnitValue qzUnitValue::operator/(double divisor) const
{
    const double number = divisor != 0.0 ? inUnitZero([divisor](double a) { return a / divisor; }) : m_value;
    return qzUnitValue(*this, number, Result{});
}

inline qzUnitValue qzUnitValue::operator/=(double divisor)
{
    if (divisor != 0.0)
        m_value = inUnitZero([divisor](double a) { return a / divisor; });
    return qzUnitValue(*this, m_value, Result{});
}

inline qzUnitValue qzUnitValue::operator-() const
{
    return qzUnitValue(*this, inUnitZero([](double a) { return -a; }), Result{});
}

inline int qzUnitValue::fuzzyCompare(const qzUnitValue& other, double tolerance) const
{
    return fuzzyCompare(valueInUnitZero(), other.valueInUnitZero(), tolerance);
}

inline int qzUnitValue::fuzzyCompare(double a, double b, double tolerance)
{
    const double t = std::fabs(tolerance);
    const double diff = a - b;
    const double d = std::fabs(diff);
    const double magnitude = std::fabs(a);
    const double scale = (std::isnan(magnitude) || magnitude < 1.0) ? 1.0 : magnitude;
    // A difference at the tolerance itself, within rounding, counts as equal.
    if (scale * std::numeric_limits<double>::epsilon() > std::fabs(d - t))
        return 0;
    if (t >= d)
        return 0;
    // Every comparison with a NaN is false, so a NaN on either side gives -1.
    return diff > t ? 1 : -1;
}

QZUNIT_EXPORT qzUnitValue operator*(double factor, const qzUnitValue& value);
QZUNIT_EXPORT qzUnitValue operator+(double number, const qzUnitValue& value);

//! Record: dimension (int32), number (double), unit index (int32).
QZUNIT_EXPORT QDataStream& operator<<(QDataStream& stream, const qzUnitValue& value);
//! Reads a record into \a value, which takes the record's dimension whatever it had.
QZUNIT_EXPORT QDataStream& operator>>(QDataStream& stream, qzUnitValue& value);
//! A hash of the value in unit 0 and its dimension and unit.
QZUNIT_EXPORT qzHashValue qHash(const qzUnitValue& value);
//! Prints "qzUnitValue(Length, 12.5 mm)".
QZUNIT_EXPORT QDebug operator<<(QDebug debug, const qzUnitValue& value);

/*!
  The declaration of qzUnitValue to Qt's meta-type system, written out
  instead of Q_DECLARE_METATYPE: the id Qt creates the first time a host puts
  a value into a QVariant then comes with the stream operators, the text and
  the comparison, so that a value stored before the host's start-up call
  keeps its data.
*/
template <>
struct QMetaTypeId<qzUnitValue>
{
    enum { Defined = 1 }; //!< A declared meta type.
    //! qzUnitValue::metaTypeId(), which registers on the first call.
    static int qt_metatype_id() { return qzUnitValue::metaTypeId(); }
};

#endif // QZUNITVALUE_H
