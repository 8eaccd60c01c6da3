#ifndef QZUNITELECTRICALCURRENTDENSITY_H
#define QZUNITELECTRICALCURRENTDENSITY_H

#include "qzUnitTable.h"

//! Current density, Dimension 44. Units are SI-prefixed multiples of A/m².
class QZUNIT_EXPORT qzUnitElectricalCurrentDensity : public qzUnit
{
    QZ_UNIT_DIMENSION(qzUnitElectricalCurrentDensity)

public:
    //! The units of current density, by index; the numbers are stored in documents and never change.
    //! From an index outside the table a number converts to 0.
    enum e_Unit : int {
        AmperePerSquareMeter = 0,
        MicroamperePerSquareMeter = 1,
        MilliamperePerSquareMeter = 2,
        KiloamperePerSquareMeter = 3,
        MegaamperePerSquareMeter = 4
    };
};

#endif // QZUNITELECTRICALCURRENTDENSITY_H
