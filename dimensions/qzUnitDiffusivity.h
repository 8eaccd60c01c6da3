#ifndef QZUNITDIFFUSIVITY_H
#define QZUNITDIFFUSIVITY_H

#include "qzUnitTable.h"

//! Diffusivity, Dimension 54: one unit, never converted.
class QZUNIT_EXPORT qzUnitDiffusivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitDiffusivity)

public:
    //! The one unit of diffusivity, m²/s, at index 0.
    //! No change of unit moves the object or its number.
    enum e_Unit : int {
        SquareMeterPerSecond = 0
    };
};

#endif // QZUNITDIFFUSIVITY_H
