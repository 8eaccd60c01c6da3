#ifndef QZUNITFORCELENGTH_H
#define QZUNITFORCELENGTH_H

#include "qzUnitTable.h"

//! Force per length, Dimension 19. Newtons per metre are the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitForceLength : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitForceLength)

public:
    //! The units of force per length, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        NewtonPerMeter = 0,
        NewtonPerMillimeter = 1,
        KilonewtonPerMillimeter = 2
    };
};

#endif // QZUNITFORCELENGTH_H
