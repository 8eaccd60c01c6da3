#ifndef QZUNITPOWER_H
#define QZUNITPOWER_H

#include "qzUnitTable.h"

//! Power, Dimension 12: the watt written four ways, so numbers never change.
class QZUNIT_EXPORT qzUnitPower : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitPower)

public:
    //! The units of power, by index; the numbers are stored in documents and never change.
    //! All four are the watt: a change of unit keeps the number.
    enum e_Unit : int {
        Watt = 0,
        JoulePerSecond = 1,
        NewtonMeterPerSecond = 2,
        KilogramSquareMeterPerCubicSecond = 3
    };
};

#endif // QZUNITPOWER_H
