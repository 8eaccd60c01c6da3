#ifndef QZUNITCURRENT_H
#define QZUNITCURRENT_H

#include "qzUnitTable.h"

//! Electric current, Dimension 2. The ampere is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitCurrent : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitCurrent)

public:
    //! The units of electric current, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        Ampere = 0,
        Milliampere = 1,
        Kiloampere = 2
    };
};

#endif // QZUNITCURRENT_H
