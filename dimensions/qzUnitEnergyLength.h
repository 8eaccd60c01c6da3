#ifndef QZUNITENERGYLENGTH_H
#define QZUNITENERGYLENGTH_H

#include "qzUnitTable.h"

//! Energy input per unit length (welding), Dimension 21: a single unit.
class QZUNIT_EXPORT qzUnitEnergyLength : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitEnergyLength)

public:
    enum e_Unit : int {
        JoulePerCentimeter = 0
    };
};

#endif // QZUNITENERGYLENGTH_H
