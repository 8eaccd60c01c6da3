#ifndef QZUNITACCELERATION_H
#define QZUNITACCELERATION_H

#include "qzUnitTable.h"

//! Acceleration, Dimension 0. Metres per square second are the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitAcceleration : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAcceleration)

public:
    enum e_Unit : int {
        MeterPerSquareSecond = 0,
        InchPerSquareSecond = 1,
        FootPerSquareSecond = 2,
        InchPerMinutePerSecond = 3,
        FootPerMinutePerSecond = 4,
        MilePerHourPerSecond = 5,
        Galileo = 6
    };
};

#endif // QZUNITACCELERATION_H
