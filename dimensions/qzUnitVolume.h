#ifndef QZUNITVOLUME_H
#define QZUNITVOLUME_H

#include "qzUnitTable.h"

//! Volume, Dimension 10. The cubic metre is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitVolume : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitVolume)

public:
    //! The units of volume, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        CubicMeter = 0,
        CubicCentimeter = 1,
        CubicMillimeter = 2,
        CubicFoot = 3,
        CubicInch = 4
    };
};

#endif // QZUNITVOLUME_H
