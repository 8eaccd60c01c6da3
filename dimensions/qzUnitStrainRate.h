#ifndef QZUNITSTRAINRATE_H
#define QZUNITSTRAINRATE_H

#include "qzUnitTable.h"

//! Strain rate, Dimension 24: a single unit, never converted.
class QZUNIT_EXPORT qzUnitStrainRate : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitStrainRate)

public:
    enum e_Unit : int {
        PerSecond = 0
    };
};

#endif // QZUNITSTRAINRATE_H
