#ifndef QZUNITCURRENT_H
#define QZUNITCURRENT_H

#include "qzUnitTable.h"

//! Electric current, Dimension 2. The ampere is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitCurrent : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitCurrent)

public:
    enum e_Unit : int {
        Ampere = 0,
        Milliampere = 1,
        Kiloampere = 2
    };
};

#endif // QZUNITCURRENT_H
