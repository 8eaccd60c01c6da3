#ifndef QZUNITVALUE_H
#define QZUNITVALUE_H

#include "qzUnitSystem.h"

#include <QMetaType>

#include <cmath>

class QDataStream;
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
    qzUnitSystem::Dimension dimension() const { return m_unitSystem.dimension(); }
    int unitIndex() const { return m_unitSystem.unitIndex(); }
    const qzUnitSystem& unitSystem() const { return m_unitSystem; }
    bool isUndefined() const { return m_unitSystem.isUndefined() && std::isnan(m_value); }
    bool isDefined() const { return !isUndefined(); }
    QString name() const { return m_unitSystem.name(); }
    QString symbol() const { return m_unitSystem.symbol(); }
    QStringList names() const { return m_unitSystem.names(); }
    QStringList symbols() const { return m_unitSystem.symbols(); }
    QString dimensionName() const { return m_unitSystem.dimensionName(); }
    //! The legacy code of dimension and unit.
    int fffUnit() const;

    // Changing
    void setValue(double value) { m_value = value; }
    //! Relabels the unit (ignored outside the table), then stores \a value.
    void setValue(double value, int unitIndex);
    //! Relabels the unit without converting the number.
    void setUnitIndex(int unitIndex) { m_unitSystem.setUnitIndex(unitIndex); }
    //! Converts to \a unitIndex in place.
    qzUnitValue& changeTo(int unitIndex);
    qzUnitValue& toStandard();
    void toUndefine();
    //! Becomes an exact replica of \a other, whatever the dimensions. A value
    //! exchanged with itself stays as it is.
    void exchangeValue(const qzUnitValue& other);

    // Arithmetic: through unit 0, result in this value's unit.
    qzUnitValue operator+(const qzUnitValue& other) const;
    qzUnitValue operator-(const qzUnitValue& other) const;
    qzUnitValue& operator+=(const qzUnitValue& other);
    qzUnitValue& operator-=(const qzUnitValue& other);
    qzUnitValue operator+(double number) const;
    qzUnitValue operator-(double number) const;
    qzUnitValue& operator+=(double number);
    qzUnitValue& operator-=(double number);
    qzUnitValue operator*(double factor) const;
    //! Returns a copy, not a reference.
    qzUnitValue operator*=(double factor);
    qzUnitValue operator/(double divisor) const;
    //! Returns a copy; a divisor of exactly 0.0 leaves the value alone.
    qzUnitValue operator/=(double divisor);
    qzUnitValue operator-() const;

    // Comparison
    bool operator==(const qzUnitValue& other) const;
    //! Compares the stored numbers as they stand: not the negation of operator==
    //! when the units differ.
    bool operator!=(const qzUnitValue& other) const;
    bool operator<(const qzUnitValue& other) const;
    bool operator<=(const qzUnitValue& other) const;
    bool operator>(const qzUnitValue& other) const;
    bool operator>=(const qzUnitValue& other) const;
    bool operator==(double number) const { return m_value == number; }
    bool operator!=(double number) const { return m_value != number; }
    bool operator<(double number) const { return m_value < number; }
    bool operator<=(double number) const { return m_value <= number; }
    bool operator>(double number) const { return m_value > number; }
    bool operator>=(double number) const { return m_value >= number; }
    //! -1, 0 or 1 comparing both values read in unit 0.
    int fuzzyCompare(const qzUnitValue& other, double tolerance) const;
    static int fuzzyCompare(double a, double b, double tolerance);
    bool fuzzyEq(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) == 0; }
    bool fuzzyGT(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) == 1; }
    bool fuzzyLT(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) == -1; }
    bool fuzzyGTEq(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) >= 0; }
    bool fuzzyLTEq(const qzUnitValue& other) const { return fuzzyCompare(other, DefaultTolerance) <= 0; }

    // Formatting: QString::number's format and precision, with ".0" added to
    // texts without a decimal point so that every value reads as floating point.
    QString valueString(char format = 'g', int precision = 6) const;
    QString valueString(int unitIndex, char format, int precision) const;
    QString valueSymbolString(char format = 'g', int precision = 6) const;
    QString valueSymbolString(int unitIndex, char format, int precision) const;

    // View units
    //! The number in the view unit of the dimension; 0.0 when undefined.
    double viewValue() const;
    qzUnitValue viewUnitValue() const;
    qzUnitValue& toViewUnit();
    QString viewValueString(char format = 'g', int precision = 6) const;
    QString viewValueSymbolString(char format = 'g', int precision = 6) const;

    /*!
      Reads a value a person typed: a number in the C locale, optional blanks,
      then a unit symbol or English unit name matched exactly ("12.5 mm",
      "12.5mm", "-3e2 Kilonewton"). With \a dimension other than Undefined only
      that dimension's units are considered. On failure returns an undefined
      value and, when \a errorMessage is given, says why (an unknown unit, or
      an ambiguous one together with its dimensions).
    */
    static qzUnitValue fromString(const QString& text,
                                  qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined,
                                  QString* errorMessage = nullptr);

    // XML element "UnitValue"; reader and writer in qzUnitValueXmlReaderWriter.h.
    class XmlReaderWriter;
    void writeXml(QXmlStreamWriter& writer) const;
    void writeXml(QXmlStreamWriter& writer, const QString& elementName) const;
    //! Assigns what was read (as operator= does) only when the element was valid.
    bool readXml(QXmlStreamReader& reader);

    static constexpr double EqualityTolerance = 1e-20;
    static constexpr double DefaultTolerance = 1e-20;

private:
    friend QZUNIT_EXPORT QDataStream& operator>>(QDataStream& stream, qzUnitValue& value);

    qzUnitValue& compoundOperation(const qzUnitValue& other, double (*operation)(double, double));
    // Runs operation on the number read in unit 0, then returns to the unit.
    template <typename Operation>
    void inUnitZero(Operation operation);
    // Converts a copy of the number from the current unit to unitIndex.
    double converted(int unitIndex) const;
    // The view unit of the value's dimension, once the global unit system exists.
    int viewUnitIndex() const;

    qzUnitSystem m_unitSystem;
    double m_value;
};

QZUNIT_EXPORT qzUnitValue operator*(double factor, const qzUnitValue& value);
QZUNIT_EXPORT qzUnitValue operator+(double number, const qzUnitValue& value);

//! Record: dimension (int32), number (double), unit index (int32).
QZUNIT_EXPORT QDataStream& operator<<(QDataStream& stream, const qzUnitValue& value);
//! Reads a record into \a value, which takes the record's dimension whatever it had.
QZUNIT_EXPORT QDataStream& operator>>(QDataStream& stream, qzUnitValue& value);
QZUNIT_EXPORT uint qHash(const qzUnitValue& value);
//! Prints "qzUnitValue(Length, 12.5 mm)".
QZUNIT_EXPORT QDebug operator<<(QDebug debug, const qzUnitValue& value);

Q_DECLARE_METATYPE(qzUnitValue)

#endif // QZUNITVALUE_H
