#ifndef QZUNITPOWER_H
#define QZUNITPOWER_H

#include "qzUnitTable.h"

//! Power, Dimension 12: the watt written four ways, so numbers never change.
class QZUNIT_EXPORT qzUnitPower : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitPower)

public:
    enum e_Unit : int {
        Watt = 0,
        JoulePerSecond = 1,
        NewtonMeterPerSecond = 2,
        KilogramSquareMeterPerCubicSecond = 3
    };
};

#endif // QZUNITPOWER_H
