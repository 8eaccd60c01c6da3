#ifndef QZUNITENERGYDENSITY_H
#define QZUNITENERGYDENSITY_H

#include "qzUnitTable.h"

//! Energy density, Dimension 45: SI-prefixed multiples of the joule per cubic metre.
class QZUNIT_EXPORT qzUnitEnergyDensity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitEnergyDensity)

public:
    //! The units of energy density, by index; the numbers are stored in documents and never change.
    //! J/mm³ is the giga multiple of J/m³. From an index outside the table a number converts to 0.
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
