#ifndef QZUNITTHERMALEXPANSION_H
#define QZUNITTHERMALEXPANSION_H

#include "qzUnitTable.h"

//! Thermal expansion coefficient, Dimension 15: per kelvin and per degree Celsius, numerically equal.
class QZUNIT_EXPORT qzUnitThermalExpansion : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitThermalExpansion)

public:
    enum e_Unit : int {
        PerKelvin = 0,
        PerDegreeCelsius = 1
    };
};

#endif // QZUNITTHERMALEXPANSION_H
