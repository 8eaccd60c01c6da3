#ifndef QZUNITSTRESS_H
#define QZUNITSTRESS_H

#include "qzUnitTable.h"

//! Stress and pressure, Dimension 13. The pascal is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitStress : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitStress)

public:
    //! The units of stress, by index; the numbers are stored in documents and never change.
    //! The first three are the pascal; KilogramPerSquareInch is the stored 39.3701 Pa.
    enum e_Unit : int {
        Pascal = 0,
        NewtonPerSquareMeter = 1,
        KilogramPerMeterSquareSecond = 2,
        Megapascal = 3,
        Kilopascal = 4,
        Pieze = 5,
        Bar = 6,
        TechnicalAtmosphere = 7,
        PhysicalAtmosphere = 8,
        Torr = 9,
        PoundPerSquareInch = 10,
        PoundPerSquareFoot = 11,
        NewtonPerSquareMillimeter = 12,
        KilogramPerSquareInch = 13,
        KilogramPerSquareCentimeter = 14,
        KilogramPerSquareMillimeter = 15
    };
};

#endif // QZUNITSTRESS_H
