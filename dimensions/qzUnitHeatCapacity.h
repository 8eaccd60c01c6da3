#ifndef QZUNITHEATCAPACITY_H
#define QZUNITHEATCAPACITY_H

#include "qzUnitTable.h"

//! Heat capacity, Dimension 17: a single unit.
class QZUNIT_EXPORT qzUnitHeatCapacity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitHeatCapacity)

public:
    //! The one unit of heat capacity, J/K, at index 0.
    //! Another index keeps the number and has no name or symbol.
    enum e_Unit : int {
        JoulePerKelvin = 0
    };
};

#endif // QZUNITHEATCAPACITY_H
