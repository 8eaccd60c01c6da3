#ifndef QZUNITSPEED_H
#define QZUNITSPEED_H

#include "qzUnitTable.h"

//! Velocity, Dimension 7. Metres per second are the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitSpeed : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitSpeed)

public:
    //! The units of velocity, by index; the numbers are stored in documents and never change.
    //! MilePerSecond uses the statute mile, 1609.344 m, unlike qzUnitLength.
    enum e_Unit : int {
        MeterPerSecond = 0,
        MillimeterPerSecond = 1,
        FootPerSecond = 2,
        InchPerSecond = 3,
        MilePerSecond = 4,
        MeterPerMinute = 5,
        KilometerPerHour = 6,
        CentimeterPerSecond = 7,
        CentimeterPerMinute = 8,
        InchPerMinute = 9
    };
};

#endif // QZUNITSPEED_H
