#ifndef QZUNITTEMPERATUREDIFFERENCE_H
#define QZUNITTEMPERATUREDIFFERENCE_H

#include "qzUnitTable.h"

//! Temperature difference, Dimension 22: intervals, hence no offsets.
class QZUNIT_EXPORT qzUnitTemperatureDifference : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTemperatureDifference)

public:
    enum e_Unit : int {
        Kelvin = 0,
        DegreeCelsius = 1,
        DegreeFahrenheit = 2
    };
};

#endif // QZUNITTEMPERATUREDIFFERENCE_H
