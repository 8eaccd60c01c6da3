#ifndef QZUNITTURNINGSTIFFNESS_H
#define QZUNITTURNINGSTIFFNESS_H

#include "qzUnitTable.h"

//! Turning stiffness, Dimension 36. Newton metres per radian are the pivot
//! and the SI unit; the units are named by their symbols.
class QZUNIT_EXPORT qzUnitTurningStiffness : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTurningStiffness)

public:
    //! The units of turning stiffness, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        NewtonMeterPerRadian = 0,
        NewtonMeterPerDegree = 1
    };
};

#endif // QZUNITTURNINGSTIFFNESS_H
