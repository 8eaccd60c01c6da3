#ifndef QZUNITFORCEPERVOLUME_H
#define QZUNITFORCEPERVOLUME_H

#include "qzUnitTable.h"

//! Force per volume, Dimension 49: a single unit, never converted.
class QZUNIT_EXPORT qzUnitForcePerVolume : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitForcePerVolume)

public:
    enum e_Unit : int {
        NewtonPerCubicMeter = 0
    };
};

#endif // QZUNITFORCEPERVOLUME_H
