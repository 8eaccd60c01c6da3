#ifndef QZUNITENERGY_H
#define QZUNITENERGY_H

#include "qzUnitTable.h"

//! Energy, Dimension 3. The joule is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitEnergy : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitEnergy)

public:
    //! The units of energy, by index; the numbers are stored in documents and never change.
    //! Its BTU, 1055.05585262 J, is deliberately not qzUnitHeat's.
    enum e_Unit : int {
        Joule = 0,
        Kilojoule = 1,
        KilowattHour = 2,
        ElectronVolt = 3,
        KilopondMeter = 4,
        CalorieIT = 5,
        BritishThermalUnitIT = 6,
        InchPoundForce = 7,
        FootPoundForce = 8,
        Megajoule = 9
    };
};

#endif // QZUNITENERGY_H
