#ifndef QZUNITTRIPCOEFFICIENT_H
#define QZUNITTRIPCOEFFICIENT_H

#include "qzUnitTable.h"

//! Trip coefficient (transformation-induced plasticity), Dimension 40. Unit 0, 1/MPa, is the pivot.
class QZUNIT_EXPORT qzUnitTripCoefficient : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitTripCoefficient)

public:
    //! The units of trip coefficient, by index; the numbers are stored in documents and never change.
    //! PerKsi multiplies by the stored 6.894689475729317 on its way to 1/MPa.
    enum e_Unit : int {
        PerMegapascal = 0,
        PerKsi = 1,
        PerPascal = 2
    };
};

#endif // QZUNITTRIPCOEFFICIENT_H
