#ifndef QZUNITHEAT_H
#define QZUNITHEAT_H

#include "qzUnitTable.h"

//! Heat energy, Dimension 29. The joule is the pivot and the SI unit.
class QZUNIT_EXPORT qzUnitHeat : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitHeat)

public:
    //! The units of heat, by index; the numbers are stored in documents and never change.
    //! Its BTU, 1055.0559 J, is deliberately not qzUnitEnergy's.
    enum e_Unit : int {
        Joule = 0,
        Kilojoule = 1,
        CalorieIT = 2,
        KilocalorieIT = 3,
        BritishThermalUnitIT = 4
    };
};

#endif // QZUNITHEAT_H
