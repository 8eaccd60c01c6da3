#ifndef QZUNITMASSFLUXDENSITY_H
#define QZUNITMASSFLUXDENSITY_H

#include "qzUnitTable.h"

//! Mass flux density, Dimension 56: one unit, never converted.
class QZUNIT_EXPORT qzUnitMassFluxDensity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMassFluxDensity)

public:
    //! The one unit of mass flux density, kg/(s⋅m²), at index 0.
    //! No change of unit moves the object or its number.
    enum e_Unit : int {
        KilogramPerSquareMeterSecond = 0
    };
};

#endif // QZUNITMASSFLUXDENSITY_H
