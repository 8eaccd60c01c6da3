#ifndef QZUNITDIFFUSIVITY_H
#define QZUNITDIFFUSIVITY_H

#include "qzUnitTable.h"

//! Diffusivity, Dimension 54: one unit, never converted.
class QZUNIT_EXPORT qzUnitDiffusivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitDiffusivity)

public:
    enum e_Unit : int {
        SquareMeterPerSecond = 0
    };
};

#endif // QZUNITDIFFUSIVITY_H
