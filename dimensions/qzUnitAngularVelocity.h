#ifndef QZUNITANGULARVELOCITY_H
#define QZUNITANGULARVELOCITY_H

#include "qzUnitTable.h"

//! Angular velocity, Dimension 28. Radians per second are the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitAngularVelocity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAngularVelocity)

public:
    //! The units of angular velocity, by index; the numbers are stored in documents and never change.
    //! The revolution symbols are translated.
    enum e_Unit : int {
        RadianPerSecond = 0,
        RevolutionPerSecond = 1,
        RevolutionPerMinute = 2,
        RevolutionPerHour = 3
    };
};

#endif // QZUNITANGULARVELOCITY_H
