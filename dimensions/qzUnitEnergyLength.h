#ifndef QZUNITENERGYLENGTH_H
#define QZUNITENERGYLENGTH_H

#include "qzUnitTable.h"

//! Energy input per unit length (welding), Dimension 21: a single unit.
class QZUNIT_EXPORT qzUnitEnergyLength : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitEnergyLength)

public:
    //! The one unit of energy per length, J/cm, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        JoulePerCentimeter = 0
    };
};

#endif // QZUNITENERGYLENGTH_H
