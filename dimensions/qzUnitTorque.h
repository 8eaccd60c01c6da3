#ifndef QZUNITTORQUE_H
#define QZUNITTORQUE_H

#include "qzUnitTable.h"

//! Torque, Dimension 33. The newton metre is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitTorque : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTorque)

public:
    //! The units of torque, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        NewtonMeter = 0,
        FootPound = 1,
        InchPound = 2,
        InchOunceForce = 3,
        FootOunceForce = 4,
        FootPoundal = 5,
        KilogramForceMeter = 6
    };
};

#endif // QZUNITTORQUE_H
