#ifndef QZUNITTEMPERATUREDIFFERENCE_H
#define QZUNITTEMPERATUREDIFFERENCE_H

#include "qzUnitTable.h"

//! Temperature difference, Dimension 22: intervals, hence no offsets.
class QZUNIT_EXPORT qzUnitTemperatureDifference : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTemperatureDifference)

public:
    //! The units of temperature difference, by index; the numbers are stored in documents and never change.
    //! No offsets: a difference of 1 °C is 1 K.
    enum e_Unit : int {
        Kelvin = 0,
        DegreeCelsius = 1,
        DegreeFahrenheit = 2
    };
};

#endif // QZUNITTEMPERATUREDIFFERENCE_H
