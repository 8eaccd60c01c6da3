#ifndef QZUNITCATALOGUE_H
#define QZUNITCATALOGUE_H

#include "qzUnitTable.h"
#include "qzUnitUndefined.h"

/*!
  \file
  The arithmetic of a unit row, shared by the tables and by the values' own
  conversions. It is inline, like the catalogue's conversions below, because
  values convert in the inner loops of their hosts: there a call into the
  library would cost more than the conversion.
*/
namespace qzUnitRows {

// Each step of a row is one of these, its constants taken out of the row. A
// single number goes through the step its row names; an array picks the step
// once and runs it over every element, so both compute the same operations.

//! The step of the pivot unit and of the rows that keep the number.
struct Keep
{
    //! \a value unchanged.
    double operator()(double value) const { return value; }
};
//! A multiplication.
struct Times
{
    double factor; //!< the right operand
    //! \a value * factor.
    double operator()(double value) const { return value * factor; }
};
//! A division.
struct Over
{
    double divisor; //!< the right operand
    //! \a value / divisor.
    double operator()(double value) const { return value / divisor; }
};
//! An addition.
struct Shift
{
    double shift; //!< the right operand
    //! \a value + shift.
    double operator()(double value) const { return value + shift; }
};
//! An addition, then a division.
struct ShiftOver
{
    double shift;   //!< added first
    double divisor; //!< then divided by
    //! (\a value + shift) / divisor.
    double operator()(double value) const { return (value + shift) / divisor; }
};
//! A multiplication, then a subtraction.
struct TimesLess
{
    double factor; //!< multiplied first
    double shift;  //!< then subtracted
    //! \a value * factor - shift.
    double operator()(double value) const { return value * factor - shift; }
};

//! \a visit called with the step that brings a number in the row's unit to the pivot unit.
template <typename Visitor>
inline auto withStepToPivot(const qzUnitRow& row, Visitor visit)
{
    switch (row.op) {
    case qzUnitRow::Multiply:
    case qzUnitRow::Scale:
        return visit(Times{ row.constant });
    case qzUnitRow::Divide:
        return visit(Over{ row.constant });
    case qzUnitRow::Offset:
        // Division by 1.0 is exact: degrees Celsius spare the divider.
        if (row.constant == 1.0)
            return visit(Shift{ row.back });
        return visit(ShiftOver{ row.back, row.constant });
    case qzUnitRow::Pivot:
    case qzUnitRow::Same:
    case qzUnitRow::Prefix:
        break;
    }
    return visit(Keep{});
}

//! \a visit called with the step that brings a number in the pivot unit to the
//! row's unit, with the row's own constants.
template <typename Visitor>
inline auto withStepFromPivot(const qzUnitRow& row, Visitor visit)
{
    switch (row.op) {
    case qzUnitRow::Multiply:
        return visit(Over{ row.constant });
    case qzUnitRow::Divide:
        return visit(Times{ row.constant });
    case qzUnitRow::Scale:
        return visit(Times{ row.back });
    case qzUnitRow::Offset:
        return visit(TimesLess{ row.constant, row.back });
    case qzUnitRow::Pivot:
    case qzUnitRow::Same:
    case qzUnitRow::Prefix:
        break;
    }
    return visit(Keep{});
}

//! A number in the row's unit brought to the pivot unit.
inline double toPivot(const qzUnitRow& row, double value)
{
    if (Q_LIKELY(row.thereSteps == 0))
        return (value + row.thereShift) * row.thereFactor;
    if (row.thereSteps == qzUnitRow::Keeps)
        return value;
    return (value + row.thereShift) * row.thereFactor / row.constant;
}

//! A number in the pivot unit brought to the row's unit, with the row's own constants.
inline double fromPivot(const qzUnitRow& row, double value)
{
    if (Q_LIKELY(row.backSteps == 0))
        return value * row.backFactor - row.backShift;
    if (row.backSteps == qzUnitRow::Keeps)
        return value;
    return value * row.backFactor / row.constant - row.backShift;
}

//! A number converted from the unit of row \a from to that of row \a to,
//! through the pivot unit. One test of the pair serves the common case, in
//! which neither row divides and the steps of a row that keeps the number
//! are exact; only two rows that both keep it skip the steps.
inline double between(const qzUnitRow& from, const qzUnitRow& to, double value)
{
    const unsigned pair = from.thereSteps + to.backSteps;
    if (Q_LIKELY((pair & ~unsigned(qzUnitRow::Keeps)) == 0))
        return (value + from.thereShift) * from.thereFactor * to.backFactor - to.backShift;
    if (pair == 2 * qzUnitRow::Keeps)
        return value;
    value = (value + from.thereShift) * from.thereFactor;
    if (pair & qzUnitRow::ThereDivides)
        value /= from.constant;
    value *= to.backFactor;
    if (pair & qzUnitRow::BackDivides)
        value /= to.constant;
    return value - to.backShift;
}

} // namespace qzUnitRows

/*!
  The one place that maps Dimension values to dimension classes, through
  their tables. Everything that dispatches on a dimension asks here.
*/
class QZUNIT_EXPORT qzUnitCatalogue
{
public:
    //! The table of the class of \a dimension; null for values that name no class.
    static const qzUnitTable* find(int dimension)
    {
        return uint(dimension) < uint(Count) ? Tables[dimension] : nullptr;
    }
    //! As find(), with the undefined class for values that name no class.
    static const qzUnitTable& table(int dimension)
    {
        const qzUnitTable* found = find(dimension);
        return found ? *found : qzUnitUndefined::Table;
    }
    /*!
      \a value converted from unit \a from to unit \a to by the static
      changeTo of the class of \a dimension; unchanged for values that name no
      class.
    */
    static double converted(int dimension, int from, int to, double value)
    {
        // The undefined class of the values that name none converts nothing.
        return converted(table(dimension), from, to, value);
    }
    //! As above, with the dimension's table. Inline for the tables made of
    //! rows, the common case in inner loops; the others ask their table.
    static double converted(const qzUnitTable& table, int from, int to, double value)
    {
        if (Q_LIKELY(bySteps(table, from, to)))
            return qzUnitRows::between(table.rows[from], table.rows[to], value);
        // Equal units and indices outside a row table leave the number alone.
        if (table.conversion == qzUnitTable::Rows)
            return value;
        return convertedByTable(table, from, to, value);
    }
    //! Whether a number changes between the two units by their rows' steps:
    //! two different rows of a row table. The range test also tells the kind
    //! of table, so this is the one test in front of every fast conversion.
    static bool bySteps(const qzUnitTable& table, int from, int to)
    {
        return uint(from) < uint(table.stepRows) && uint(to) < uint(table.stepRows) && from != to;
    }
    //! converted(table, from, 0, value), for the arithmetic that meets in unit 0.
    static double toUnitZero(const qzUnitTable& table, int from, double value)
    {
        // Unit 0 of every row table is its pivot: one row's step is the whole way.
        if (Q_LIKELY(uint(from) < uint(table.stepRows)))
            return qzUnitRows::toPivot(table.rows[from], value);
        return table.conversion == qzUnitTable::Rows ? value : convertedByTable(table, from, 0, value);
    }
    //! converted(table, 0, to, value).
    static double fromUnitZero(const qzUnitTable& table, int to, double value)
    {
        if (Q_LIKELY(uint(to) < uint(table.stepRows)))
            return qzUnitRows::fromPivot(table.rows[to], value);
        return table.conversion == qzUnitTable::Rows ? value : convertedByTable(table, 0, to, value);
    }
    /*!
      What the virtual changeTo of the table's class does to an object standing
      at \a current: \a value converted to \a to in place, and the index the
      object then stands at. The index is recorded even where the conversion
      refused it; the undefined class always returns to 0, the inert classes
      never move.
    */
    static int changeTo(const qzUnitTable& table, int current, int to, double& value)
    {
        if (Q_LIKELY(table.conversion == qzUnitTable::Rows)) {
            value = converted(table, current, to, value);
            return to;
        }
        return changeToByTable(table, current, to, value);
    }
    //! The physical dimension in base letters; empty for values that name no class.
    static QString dimensionSymbol(int dimension);

private:
    // The tables that are not made of rows, out of line: their conversions
    // cost more than a call.
    static double convertedByTable(const qzUnitTable& table, int from, int to, double value);
    static int changeToByTable(const qzUnitTable& table, int current, int to, double& value);

    enum { Count = 57 };
    static const qzUnitTable* const Tables[Count];
};

#endif // QZUNITCATALOGUE_H
