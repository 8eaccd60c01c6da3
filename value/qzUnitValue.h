#ifndef QZUNITVALUE_H
#define QZUNITVALUE_H

#include "qzUnitSystem.h"

/*!
  A number with its dimension and unit. Copies never share state; building,
  copying and converting values never touches the heap.
*/
class QZUNIT_EXPORT qzUnitValue
{
public:
    //! Dimension -1 and 0.0: the default state, which is defined.
    qzUnitValue();
    //! \a value taken as standing in \a unitIndex of \a dimension.
    qzUnitValue(qzUnitSystem::Dimension dimension, double value, int unitIndex);
    qzUnitValue(const qzUnitSystem& unitSystem, double value);

    double value() const { return isUndefined() ? 0.0 : m_value; }
    qzUnitSystem::Dimension dimension() const { return m_unitSystem.dimension(); }
    int unitIndex() const { return m_unitSystem.unitIndex(); }
    const qzUnitSystem& unitSystem() const { return m_unitSystem; }
    //! Dimension -1 together with a NaN number.
    bool isUndefined() const { return m_unitSystem.isUndefined() && m_value != m_value; }
    bool isDefined() const { return !isUndefined(); }

private:
    qzUnitSystem m_unitSystem;
    double m_value;
};

#endif // QZUNITVALUE_H
