#ifndef QZUNITMAGNETICFIELD_H
#define QZUNITMAGNETICFIELD_H

#include "qzUnitTable.h"

//! Magnetic field intensity, Dimension 51: one unit.
class QZUNIT_EXPORT qzUnitMagneticField : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMagneticField)

public:
    //! The one unit of magnetic field intensity, A/m, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        AmperePerMeter = 0
    };
};

#endif // QZUNITMAGNETICFIELD_H
