#ifndef QZUNITMASSFRACTION_H
#define QZUNITMASSFRACTION_H

#include "qzUnitTable.h"

//! Mass fraction, Dimension 53. The SI unit is the percentage, not the fraction.
class QZUNIT_EXPORT qzUnitMassFraction : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMassFraction)

public:
    enum e_Unit : int {
        WeightPercent = 0,
        WeightFraction = 1
    };
};

#endif // QZUNITMASSFRACTION_H
