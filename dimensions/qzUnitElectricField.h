#ifndef QZUNITELECTRICFIELD_H
#define QZUNITELECTRICFIELD_H

#include "qzUnitTable.h"

//! Electric field intensity, Dimension 52: one unit.
class QZUNIT_EXPORT qzUnitElectricField : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitElectricField)

public:
    //! The one unit of electric field intensity, V/m, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        VoltPerMeter = 0
    };
};

#endif // QZUNITELECTRICFIELD_H
