#ifndef QZUNITMAGNETICINDUCTION_H
#define QZUNITMAGNETICINDUCTION_H

#include "qzUnitTable.h"

//! Magnetic induction, Dimension 50: one unit.
class QZUNIT_EXPORT qzUnitMagneticInduction : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMagneticInduction)

public:
    //! The one unit of magnetic induction, T, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        Tesla = 0
    };
};

#endif // QZUNITMAGNETICINDUCTION_H
