#ifndef QZUNITAREICELECTRICALCONDUCTIVITY_H
#define QZUNITAREICELECTRICALCONDUCTIVITY_H

#include "qzUnitTable.h"

//! Electrical contact conductivity, Dimension 47. Units are reciprocal SI-prefixed multiples of 1/(Ω·m²).
class QZUNIT_EXPORT qzUnitAreicElectricalConductivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAreicElectricalConductivity)

public:
    enum e_Unit : int {
        PerOhmSquareMeter = 0,
        PerMilliohmSquareMeter = 1,
        PerMicrohmSquareMeter = 2,
        PerNanoohmSquareMeter = 3
    };
};

#endif // QZUNITAREICELECTRICALCONDUCTIVITY_H
