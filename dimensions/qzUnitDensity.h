#ifndef QZUNITDENSITY_H
#define QZUNITDENSITY_H

#include "qzUnitTable.h"

//! Density, Dimension 11. Kilograms per cubic metre are the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitDensity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitDensity)

public:
    //! The units of density, by index; the numbers are stored in documents and never change.
    //! TonPerCubicMeter is named "Ton per cubic centimeter" but is t/m³.
    enum e_Unit : int {
        KilogramPerCubicMeter = 0,
        KilogramPerCubicCentimeter = 1,
        KilogramPerCubicMillimeter = 2,
        PoundPerCubicFoot = 3,
        PoundPerCubicInch = 4,
        TonPerCubicMeter = 5,
        GramPerCubicCentimeter = 6,
        MegagramPerCubicMillimeter = 7,
        GramPerCubicMeter = 8
    };
};

#endif // QZUNITDENSITY_H
