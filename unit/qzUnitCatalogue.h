#ifndef QZUNITCATALOGUE_H
#define QZUNITCATALOGUE_H

#include "qzUnitTable.h"
#include "qzUnitUndefined.h"

// The one place that maps Dimension values to dimension classes. Everything
// that dispatches on a dimension asks here.
// The arithmetic of a unit row, shared by the tables and by the values' own
// conversions, which inline it for the tables made of rows.
namespace qzUnitRows {

//! A number in the row's unit brought to the pivot unit.
inline double toPivot(const qzUnitRow& row, double value)
{
    switch (row.op) {
    case qzUnitRow::Multiply:
    case qzUnitRow::Scale:
        return value * row.constant;
    case qzUnitRow::Divide:
        return value / row.constant;
    case qzUnitRow::Offset: {
        // Division by 1.0 is exact: degrees Celsius spare the divider.
        const double shifted = value + row.back;
        return row.constant == 1.0 ? shifted : shifted / row.constant;
    }
    case qzUnitRow::Pivot:
    case qzUnitRow::Same:
    case qzUnitRow::Prefix:
        break;
    }
    return value;
}

//! A number in the pivot unit brought to the row's unit, with the row's own constants.
inline double fromPivot(const qzUnitRow& row, double value)
{
    switch (row.op) {
    case qzUnitRow::Multiply:
        return value / row.constant;
    case qzUnitRow::Divide:
        return value * row.constant;
    case qzUnitRow::Scale:
        return value * row.back;
    case qzUnitRow::Offset:
        return value * row.constant - row.back;
    case qzUnitRow::Pivot:
    case qzUnitRow::Same:
    case qzUnitRow::Prefix:
        break;
    }
    return value;
}

} // namespace qzUnitRows

class qzUnitCatalogue
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
      class. Inline for the tables made of rows, the common case in inner loops.
    */
    static double converted(int dimension, int from, int to, double value)
    {
        return converted(find(dimension), from, to, value);
    }
    //! As above, with the table that find() gave for the dimension.
    static double converted(const qzUnitTable* table, int from, int to, double value)
    {
        if (!table)
            return value;
        if (table->conversion == qzUnitTable::Rows) {
            if (from == to || !table->contains(from) || !table->contains(to))
                return value;
            return qzUnitRows::fromPivot(table->rows[to], qzUnitRows::toPivot(table->rows[from], value));
        }
        if (table->conversion == qzUnitTable::Custom)
            table->convert(from, to, value);
        else
            table->changeTo(from, to, value);
        return value;
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
        switch (table.conversion) {
        case qzUnitTable::Inert:
            return current;
        case qzUnitTable::Anchored:
            return 0;
        default:
            if (to != current)
                value = converted(&table, current, to, value);
            return to;
        }
    }
    //! The physical dimension in base letters; empty for values that name no class.
    static QString dimensionSymbol(int dimension);

private:
    enum { Count = 57 };
    static const qzUnitTable* const Tables[Count];
};

#endif // QZUNITCATALOGUE_H
