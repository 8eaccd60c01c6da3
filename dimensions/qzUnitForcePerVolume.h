#ifndef QZUNITFORCEPERVOLUME_H
#define QZUNITFORCEPERVOLUME_H

#include "qzUnitTable.h"

//! Force per volume, Dimension 49: a single unit, never converted.
class QZUNIT_EXPORT qzUnitForcePerVolume : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitForcePerVolume)

public:
    //! The one unit of force per volume, N/m³, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        NewtonPerCubicMeter = 0
    };
};

#endif // QZUNITFORCEPERVOLUME_H
