#ifndef HOSTVALUES_H
#define HOSTVALUES_H

// The values a host stores before its start-up call, shared by the process
// that writes them (hostWriter.cpp) and the one that reads them back.

#include <qzUnitValue.h>

#include <QPair>
#include <QVector>

#include <limits>

inline QVector<QPair<const char*, qzUnitValue>> hostValues()
{
    using limits = std::numeric_limits<double>;
    return {
        { "millimetres", qzUnitValue(qzUnitSystem::Length, 12.5, 2) },
        { "degrees Fahrenheit", qzUnitValue(qzUnitSystem::Temperature, -40.25, 2) },
        { "seventeen digits", qzUnitValue(qzUnitSystem::Stress, 0.1 + 0.2, 3) },
        { "negative zero", qzUnitValue(qzUnitSystem::Mass, -0.0, 1) },
        { "denormal", qzUnitValue(qzUnitSystem::Hardness, limits::denorm_min(), 4) },
        { "undefined", qzUnitValue::makeUndefined() },
    };
}

#endif // HOSTVALUES_H
