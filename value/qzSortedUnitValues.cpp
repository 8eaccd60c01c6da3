#include "qzSortedUnitValues.h"

#include "qzUnitLength.h"
#include "qzUnitValueXmlReaderWriter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr double machineEpsilon = std::numeric_limits<double>::epsilon();

bool lessThan(const qzUnitValue& a, const qzUnitValue& b)
{
    return a < b;
}

} // namespace

qzSortedUnitValues::qzSortedUnitValues(qzSortedUnitValues&& other) noexcept
    : m_values(std::move(other.m_values)), m_mayBeUnsorted(std::exchange(other.m_mayBeUnsorted, false))
{
}

qzSortedUnitValues& qzSortedUnitValues::operator=(qzSortedUnitValues&& other) noexcept
{
    if (this != &other) {
        m_values = std::move(other.m_values);
        other.m_values.clear();
        m_mayBeUnsorted = std::exchange(other.m_mayBeUnsorted, false);
    }
    return *this;
}

void qzSortedUnitValues::append(const qzUnitValue& value)
{
    if (m_mayBeUnsorted) {
        m_values.append(value);
        std::sort(m_values.begin(), m_values.end(), lessThan);
        m_mayBeUnsorted = false;
        return;
    }
    // The list is sorted: after the last element that value is not less than.
    m_values.insert(std::upper_bound(m_values.begin(), m_values.end(), value, lessThan), value);
}

void qzSortedUnitValues::set(const qzUnitValue& value)
{
    m_values = QList<qzUnitValue>();
    m_values.append(value);
    m_mayBeUnsorted = false;
}

int qzSortedUnitValues::find(const qzUnitValue& value) const
{
    const double magnitude = std::fabs(value.value());
    const double epsilon = (std::isnan(magnitude) ? 1.0 : std::max(magnitude, 1.0)) * machineEpsilon;
    for (int i = 0; i < m_values.count(); ++i) {
        const qzUnitValue& element = m_values.at(i);
        if (epsilon > std::fabs((value - element).value()))
            return i;
        if (value < element)
            return -1;
    }
    return -1;
}

qzUnitValue qzSortedUnitValues::at(int index) const
{
    return (index >= 0 && index < m_values.count()) ? m_values.at(index) : qzUnitValue();
}

QList<qzUnitValue>::iterator qzSortedUnitValues::begin()
{
    m_mayBeUnsorted = true;
    return m_values.begin();
}

QList<qzUnitValue>::iterator qzSortedUnitValues::end()
{
    m_mayBeUnsorted = true;
    return m_values.end();
}

bool qzSortedUnitValues::operator!=(const qzSortedUnitValues& other) const
{
    if (m_values.count() != other.m_values.count())
        return true;
    if (m_values.isEmpty())
        return false;
    const int unit = m_values.first().dimension() == qzUnitSystem::Length ? int(qzUnitLength::Millimeter) : 0;
    for (int i = m_values.count() - 1; i >= 0; --i) {
        const qzUnitValue& mine = m_values.at(i);
        const qzUnitValue& theirs = other.m_values.at(i);
        if (mine.dimension() != theirs.dimension())
            return true;
        // As the numbers would read back from XML; a NaN difference does not count.
        const double a = qzUnitValue::XmlReaderWriter::valueInPrecision(mine.value(unit));
        const double b = qzUnitValue::XmlReaderWriter::valueInPrecision(theirs.value(unit));
        if (std::fabs(a - b) > std::max(std::fabs(a), 1.0) * machineEpsilon)
            return true;
    }
    return false;
}
