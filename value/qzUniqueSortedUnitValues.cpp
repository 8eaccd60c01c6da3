#include "qzUniqueSortedUnitValues.h"

#include <algorithm>
#include <cmath>
#include <limits>

void qzUniqueSortedUnitValues::append(const qzUnitValue& value)
{
    for (int i = 0; i < m_values.count(); ++i) {
        const qzUnitValue& element = m_values.at(i);
        const double tolerance = std::max(std::fabs(element.standard()), 1.0) * std::numeric_limits<double>::epsilon();
        const int comparison = element.fuzzyCompare(value, tolerance);
        if (comparison == 0)
            return;
        if (comparison > 0) {
            m_values.insert(i, value);
            return;
        }
    }
    m_values.append(value);
}
