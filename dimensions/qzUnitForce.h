#ifndef QZUNITFORCE_H
#define QZUNITFORCE_H

#include "qzUnitTable.h"

class qzUnitValue;

//! Force, Dimension 4. The newton is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitForce : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitForce)

public:
    //! The units of force, by index; the numbers are stored in documents and never change.
    //! Kilopond and KilogramForce are the same 9.80665 N.
    enum e_Unit : int {
        Newton = 0,
        Poundal = 1,
        OunceForce = 2,
        PoundForce = 3,
        Kilopond = 4,
        TonForce = 5,
        Dyne = 6,
        Kilonewton = 7,
        ShortTon = 8,
        LongTon = 9,
        KilopoundForce = 10,
        KilogramForce = 11
    };

    //! A force value of \a value in \a unit.
    static qzUnitValue create(double value, e_Unit unit);
};

#endif // QZUNITFORCE_H
