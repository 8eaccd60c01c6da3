#ifndef QZUNITMOMENTOFINERTIA_H
#define QZUNITMOMENTOFINERTIA_H

#include "qzUnitTable.h"

//! Moment of inertia, Dimension 30. Unit 0 is the pivot and the SI unit;
//! the units are named by their symbols.
class QZUNIT_EXPORT qzUnitMomentOfInertia : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitMomentOfInertia)

public:
    //! The units of moment of inertia, by index; the numbers are stored in documents and never change.
    enum e_Unit : int {
        KilogramPerSquareMeter = 0,
        TonPerSquareMeter = 1,
        SlugPerSquareFoot = 2,
        PoundPerSquareFoot = 3
    };
};

#endif // QZUNITMOMENTOFINERTIA_H
