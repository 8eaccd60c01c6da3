#ifndef QZUNITMASSFRACTION_H
#define QZUNITMASSFRACTION_H

#include "qzUnitTable.h"

//! Mass fraction, Dimension 53. The SI unit is the percentage, not the fraction.
class QZUNIT_EXPORT qzUnitMassFraction : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMassFraction)

public:
    //! The units of mass fraction, by index; the numbers are stored in documents and never change.
    //! WeightFraction is WeightPercent / 100.
    enum e_Unit : int {
        WeightPercent = 0,
        WeightFraction = 1
    };
};

#endif // QZUNITMASSFRACTION_H
