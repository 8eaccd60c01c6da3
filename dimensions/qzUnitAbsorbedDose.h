#ifndef QZUNITABSORBEDDOSE_H
#define QZUNITABSORBEDDOSE_H

#include "qzUnitTable.h"

//! Absorbed dose, Dimension 16: three names of one unit, so numbers never change.
class QZUNIT_EXPORT qzUnitAbsorbedDose : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAbsorbedDose)

public:
    //! The units of absorbed dose, by index; the numbers are stored in documents and never change.
    //! All three name one quantity: a change of unit keeps the number.
    enum e_Unit : int {
        Gray = 0,
        JoulePerKilogram = 1,
        SquareMeterPerSquareSecond = 2
    };
};

#endif // QZUNITABSORBEDDOSE_H
