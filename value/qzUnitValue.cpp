#include "qzUnitValue.h"

qzUnitValue::qzUnitValue()
    : m_value(0.0)
{
}

qzUnitValue::qzUnitValue(qzUnitSystem::Dimension dimension, double value, int unitIndex)
    : m_unitSystem(dimension, unitIndex), m_value(value)
{
}

qzUnitValue::qzUnitValue(const qzUnitSystem& unitSystem, double value)
    : m_unitSystem(unitSystem), m_value(value)
{
}
