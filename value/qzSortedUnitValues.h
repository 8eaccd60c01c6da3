#ifndef QZSORTEDUNITVALUES_H
#define QZSORTEDUNITVALUES_H

#include "qzUnitValue.h"

#include <QList>

/*!
  An ascending list of values of one dimension: for neighbours a and b, never
  b < a by qzUnitValue::operator<. Copies share the elements until one side
  is modified (Qt's implicit sharing).

  append() inserts at the place a binary search finds, so that building a
  list of n values costs O(n log n) comparisons; the order among values that
  compare equivalent is unspecified. Elements a host changes through the
  mutable iterators are not re-sorted at once: the next append() sorts the
  whole list.
*/
class QZUNIT_EXPORT qzSortedUnitValues
{
public:
    qzSortedUnitValues() = default;
    //! Shares \a other's elements until one side changes; a pending re-sort is copied too.
    qzSortedUnitValues(const qzSortedUnitValues& other) = default;
    //! Leaves \a other empty.
    qzSortedUnitValues(qzSortedUnitValues&& other) noexcept;
    //! Drops the own elements and shares \a other's, as the copy constructor does.
    qzSortedUnitValues& operator=(const qzSortedUnitValues& other) = default;
    //! Leaves \a other empty.
    qzSortedUnitValues& operator=(qzSortedUnitValues&& other) noexcept;
    ~qzSortedUnitValues() = default;

    //! Inserts a copy of \a value at its place in the ascending order.
    void append(const qzUnitValue& value);
    //! Replaces the whole content by \a value.
    void set(const qzUnitValue& value);
    /*!
      Index of the first element whose difference from \a value, taken in
      \a value's unit, is below machine epsilon times max(|value|, 1); -1 if
      none. The search stops at the first element greater than \a value.
    */
    int find(const qzUnitValue& value) const;
    //! Whether find() locates \a value, comparing numbers within its tolerance, not exactly.
    bool contains(const qzUnitValue& value) const { return find(value) >= 0; }
    //! A copy of the element at \a index; a default value outside the list.
    qzUnitValue at(int index) const;
    //! The index of the last element (the largest); -1 when empty.
    int indexOfMaxValue() const { return int(m_values.count()) - 1; }
    //! The number of elements, equal ones each counted.
    int count() const { return int(m_values.count()); }
    //! As count(), for code written against the standard containers.
    int size() const { return int(m_values.size()); }
    //! True without elements; at() then gives a default value for every index.
    bool isEmpty() const { return m_values.isEmpty(); }

    //! Mutable iterators; the next append() sorts the whole list again. A range-for over a
    //! non-const list takes these too; over qAsConst(list) it does not.
    QList<qzUnitValue>::iterator begin();
    //! Past the last element; marks the list for re-sorting as begin() does.
    QList<qzUnitValue>::iterator end();
    //! The first element, the smallest unless elements were changed through mutable iterators.
    QList<qzUnitValue>::const_iterator begin() const { return m_values.constBegin(); }
    //! Past the last element.
    QList<qzUnitValue>::const_iterator end() const { return m_values.constEnd(); }
    //! As begin() const, and on a non-const list too without marking it for re-sorting.
    QList<qzUnitValue>::const_iterator constBegin() const { return m_values.constBegin(); }
    //! As end() const, for use with constBegin().
    QList<qzUnitValue>::const_iterator constEnd() const { return m_values.constEnd(); }

    //! No element differs by the test of operator!=(); two empty lists are equal.
    bool operator==(const qzSortedUnitValues& other) const { return !(*this != other); }
    /*!
      Element by element: the dimensions, and the numbers read in one unit
      (millimetre for lengths, unit 0 otherwise) as they would read back from
      XML, within machine epsilon times max(|a|, 1).
    */
    bool operator!=(const qzSortedUnitValues& other) const;

protected:
    //! The elements, ascending unless m_mayBeUnsorted is set.
    QList<qzUnitValue> m_values;
    //! Mutable iterators were handed out: the order may be broken until this class's append() or set().
    bool m_mayBeUnsorted = false;
};

#endif // QZSORTEDUNITVALUES_H
