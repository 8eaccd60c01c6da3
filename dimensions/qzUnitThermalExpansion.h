#ifndef QZUNITTHERMALEXPANSION_H
#define QZUNITTHERMALEXPANSION_H

#include "qzUnitTable.h"

//! Thermal expansion coefficient, Dimension 15: per kelvin and per degree Celsius, numerically equal.
class QZUNIT_EXPORT qzUnitThermalExpansion : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitThermalExpansion)

public:
    //! The units of thermal expansion, by index; the numbers are stored in documents and never change.
    //! Per kelvin and per °C measure alike: a change of unit keeps the number.
    enum e_Unit : int {
        PerKelvin = 0,
        PerDegreeCelsius = 1
    };
};

#endif // QZUNITTHERMALEXPANSION_H
