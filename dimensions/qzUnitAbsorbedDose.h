#ifndef QZUNITABSORBEDDOSE_H
#define QZUNITABSORBEDDOSE_H

#include "qzUnitTable.h"

//! Absorbed dose, Dimension 16: three names of one unit, so numbers never change.
class QZUNIT_EXPORT qzUnitAbsorbedDose : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAbsorbedDose)

public:
    enum e_Unit : int {
        Gray = 0,
        JoulePerKilogram = 1,
        SquareMeterPerSquareSecond = 2
    };
};

#endif // QZUNITABSORBEDDOSE_H
