#ifndef QZUNITSTRAINRATE_H
#define QZUNITSTRAINRATE_H

#include "qzUnitTable.h"

//! Strain rate, Dimension 24: a single unit, never converted.
class QZUNIT_EXPORT qzUnitStrainRate : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitStrainRate)

public:
    //! The one unit of strain rate, 1/s, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        PerSecond = 0
    };
};

#endif // QZUNITSTRAINRATE_H
