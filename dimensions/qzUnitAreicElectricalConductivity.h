#ifndef QZUNITAREICELECTRICALCONDUCTIVITY_H
#define QZUNITAREICELECTRICALCONDUCTIVITY_H

#include "qzUnitTable.h"

//! Electrical contact conductivity, Dimension 47. Units are reciprocal SI-prefixed multiples of 1/(Ω·m²).
class QZUNIT_EXPORT qzUnitAreicElectricalConductivity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitAreicElectricalConductivity)

public:
    //! The units of contact conductivity, by index; the numbers are stored in documents and never change.
    //! From an index outside the table a number converts to 0.
    enum e_Unit : int {
        PerOhmSquareMeter = 0,
        PerMilliohmSquareMeter = 1,
        PerMicrohmSquareMeter = 2,
        PerNanoohmSquareMeter = 3
    };
};

#endif // QZUNITAREICELECTRICALCONDUCTIVITY_H
