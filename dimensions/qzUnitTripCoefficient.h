#ifndef QZUNITTRIPCOEFFICIENT_H
#define QZUNITTRIPCOEFFICIENT_H

#include "qzUnitTable.h"

//! Trip coefficient (transformation-induced plasticity), Dimension 40. Unit 0, 1/MPa, is the pivot.
class QZUNIT_EXPORT qzUnitTripCoefficient : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTripCoefficient)

public:
    enum e_Unit : int {
        PerMegapascal = 0,
        PerKsi = 1,
        PerPascal = 2
    };
};

#endif // QZUNITTRIPCOEFFICIENT_H
