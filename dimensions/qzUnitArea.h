#ifndef QZUNITAREA_H
#define QZUNITAREA_H

#include "qzUnitTable.h"

//! Area, Dimension 38. The square metre is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitArea : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitArea)

public:
    //! The units of area, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        SquareMeter = 0,
        SquareCentimeter = 1,
        SquareMillimeter = 2,
        SquareMicrometer = 3,
        SquareKilometer = 4,
        SquareFoot = 5,
        SquareInch = 6
    };
};

#endif // QZUNITAREA_H
