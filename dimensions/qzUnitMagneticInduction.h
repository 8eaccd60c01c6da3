#ifndef QZUNITMAGNETICINDUCTION_H
#define QZUNITMAGNETICINDUCTION_H

#include "qzUnitTable.h"

//! Magnetic induction, Dimension 50: one unit.
class QZUNIT_EXPORT qzUnitMagneticInduction : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMagneticInduction)

public:
    enum e_Unit : int {
        Tesla = 0
    };
};

#endif // QZUNITMAGNETICINDUCTION_H
