#ifndef QZUNITELECTRICFIELD_H
#define QZUNITELECTRICFIELD_H

#include "qzUnitTable.h"

//! Electric field intensity, Dimension 52: one unit.
class QZUNIT_EXPORT qzUnitElectricField : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitElectricField)

public:
    enum e_Unit : int {
        VoltPerMeter = 0
    };
};

#endif // QZUNITELECTRICFIELD_H
