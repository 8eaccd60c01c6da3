#ifndef QZUNIQUESORTEDUNITVALUES_H
#define QZUNIQUESORTEDUNITVALUES_H

#include "qzSortedUnitValues.h"

/*!
  An ascending list that refuses a value equal, within machine epsilon of
  the element's magnitude in the standard unit, to one it already holds.
  Its append() hides the base's: nothing is virtual, so an append through a
  qzSortedUnitValues reference reaches the base's and does not refuse.
*/
class QZUNIT_EXPORT qzUniqueSortedUnitValues : public qzSortedUnitValues
{
public:
    qzUniqueSortedUnitValues() = default;
    //! Shares \a other's elements until one side changes.
    qzUniqueSortedUnitValues(const qzUniqueSortedUnitValues& other) = default;
    //! Leaves \a other empty.
    qzUniqueSortedUnitValues(qzUniqueSortedUnitValues&& other) noexcept = default;
    //! Drops the own elements and shares \a other's.
    qzUniqueSortedUnitValues& operator=(const qzUniqueSortedUnitValues& other) = default;
    //! Leaves \a other empty.
    qzUniqueSortedUnitValues& operator=(qzUniqueSortedUnitValues&& other) noexcept = default;
    ~qzUniqueSortedUnitValues() = default;

    /*!
      Walks the list from the front, comparing in unit 0 with fuzzyCompare:
      inserts a copy of \a value before the first greater element, or at the
      end; an element equal within the tolerance keeps \a value out. Unlike
      the base's append() it never sorts the list: elements changed through
      the mutable iterators stay where they are, and the walk takes the list
      as it finds it.
    */
    void append(const qzUnitValue& value);
};

#endif // QZUNIQUESORTEDUNITVALUES_H
