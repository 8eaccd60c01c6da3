#ifndef QZUNITACCELERATION_H
#define QZUNITACCELERATION_H

#include "qzUnitTable.h"

//! Acceleration, Dimension 0. Metres per square second are the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitAcceleration : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAcceleration)

public:
    //! The units of acceleration, by index; the numbers are stored in documents and never change.
    //! The per-minute units keep stored factors (×1.524 and ÷18.288 to m/s²), not 0.0254/60 and 0.3048/60.
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
