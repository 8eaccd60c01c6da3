#ifndef QZUNITENERGYDENSITY_H
#define QZUNITENERGYDENSITY_H

#include "qzUnitTable.h"

//! Energy density, Dimension 45: SI-prefixed multiples of the joule per cubic metre.
class QZUNIT_EXPORT qzUnitEnergyDensity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitEnergyDensity)

public:
    enum e_Unit : int {
        JoulePerCubicMeter = 0,
        MicrojoulePerCubicMeter = 1,
        MillijoulePerCubicMeter = 2,
        KilojoulePerCubicMeter = 3,
        MegajoulePerCubicMeter = 4,
        JoulePerCubicMillimeter = 5
    };
};

#endif // QZUNITENERGYDENSITY_H
